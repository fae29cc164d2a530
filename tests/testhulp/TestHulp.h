#pragma once
// Shared helpers for tests: temporary volumes, peer servers started on loopback, running tools.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace TestHulp {

// A temporary folder registered as a volume letter for the duration of the object.
class TijdelijkVolume {
public:
    explicit TijdelijkVolume(QChar letter, const QString& label = QStringLiteral("Test"));
    ~TijdelijkVolume();
    QString Natief() const;    // native root, ending in '/'
    QString Programma() const; // "T:\"
    QChar Letter() const { return m_letter; }
    bool IsGeldig() const { return m_dir.isValid(); }
    // Writes a file (and its folders) below the root; returns its native path.
    QString MaakBestand(const QString& relatief, const QByteArray& inhoud);

private:
    QChar m_letter;
    QTemporaryDir m_dir;
};

// A peer server from tests/servers, run by /usr/bin/python3; the script prints its port on its first
// line of standard output. Stopped when the object goes.
class Server {
public:
    Server(const QString& script, const QStringList& argumenten = {});
    ~Server();
    bool IsGestart() const { return m_poort > 0; }
    quint16 Poort() const { return m_poort; }
    QByteArray Uitvoer(); // what the server printed after the port line (its log), so far
    QProcess& Proces() { return m_proces; }

private:
    QProcess m_proces;
    quint16 m_poort = 0;
    QByteArray m_buffer;
};

// Runs a program to its end (at most `seconden`); returns its exit code, or -1 when it did not run.
int Voer(const QString& programma, const QStringList& argumenten, QByteArray* uitvoer = nullptr,
         const QString& werkmap = QString(), int seconden = 120);
bool ProgrammaBestaat(const QString& programma);

QString ServerScript(const QString& naam);

} // namespace TestHulp
