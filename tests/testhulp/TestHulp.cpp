#include "testhulp/TestHulp.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace TestHulp {

TijdelijkVolume::TijdelijkVolume(QChar letter, const QString& label) : m_letter(letter.toUpper()) {
    Platform::RegistreerVolume(m_letter, m_dir.path(), label);
}

TijdelijkVolume::~TijdelijkVolume() {
    Platform::VerwijderVolume(m_letter);
}

QString TijdelijkVolume::Natief() const {
    return m_dir.path() + QLatin1Char('/');
}

QString TijdelijkVolume::Programma() const {
    return QString(m_letter) + QStringLiteral(":\\");
}

QString TijdelijkVolume::MaakBestand(const QString& relatief, const QByteArray& inhoud) {
    const QString pad = Natief() + relatief;
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile f(pad);
    if (f.open(QIODevice::WriteOnly))
        f.write(inhoud);
    return pad;
}

QString ServerScript(const QString& naam) {
    return QStringLiteral(ORVO_TEST_SERVERS_DIR) + QLatin1Char('/') + naam;
}

Server::Server(const QString& script, const QStringList& argumenten) {
    m_proces.setProcessChannelMode(QProcess::SeparateChannels);
    m_proces.start(QStringLiteral("/usr/bin/python3"),
                   QStringList{QStringLiteral("-u"), ServerScript(script)} + argumenten);
    if (!m_proces.waitForStarted(10000))
        return;
    QElapsedTimer klok;
    klok.start();
    while (klok.elapsed() < 20000) {
        if (!m_proces.waitForReadyRead(500) && m_proces.state() != QProcess::Running)
            break;
        m_buffer += m_proces.readAllStandardOutput();
        const qsizetype eind = m_buffer.indexOf('\n');
        if (eind >= 0) {
            m_poort = quint16(m_buffer.left(eind).trimmed().toUInt());
            m_buffer.remove(0, eind + 1);
            return;
        }
    }
}

Server::~Server() {
    if (m_proces.state() != QProcess::NotRunning) {
        m_proces.terminate();
        if (!m_proces.waitForFinished(3000)) {
            m_proces.kill();
            m_proces.waitForFinished(3000);
        }
    }
}

QByteArray Server::Uitvoer() {
    m_buffer += m_proces.readAllStandardOutput();
    return m_buffer;
}

int Voer(const QString& programma, const QStringList& argumenten, QByteArray* uitvoer, const QString& werkmap,
         int seconden) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!werkmap.isEmpty())
        p.setWorkingDirectory(werkmap);
    p.start(programma, argumenten);
    if (!p.waitForStarted(10000))
        return -1;
    if (!p.waitForFinished(seconden * 1000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (uitvoer)
        *uitvoer = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool ProgrammaBestaat(const QString& programma) {
    return !QStandardPaths::findExecutable(programma).isEmpty();
}

} // namespace TestHulp
