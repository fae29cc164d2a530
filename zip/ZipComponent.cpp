#include "zip/ZipComponent.h"

#include "platform/Bestandskenmerken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <zip.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace Orvo {
namespace {

// The component's messages. The program appends its own full stop, so none ends with one.
struct Melding {
    int code;
    const char* tekst;
};
constexpr Melding meldingen[] = {
    {ZipComponent::ArchiefNietGevonden, "Het archief bestaat niet"},
    {ZipComponent::ArchiefBeschadigd, "Het archief is beschadigd of is geen ZIP-archief"},
    {ZipComponent::VerkeerdWachtwoord, "Het wachtwoord is onjuist"},
    {ZipComponent::EntryNietGevonden, "Het gevraagde bestand komt niet voor in het archief"},
    {ZipComponent::BronNietLeesbaar, "Het bestand kan niet worden gelezen"},
    {ZipComponent::SchijfVol, "De schijf is vol"},
    {ZipComponent::SchrijfFout, "Er is een fout opgetreden bij het schrijven"},
    {ZipComponent::OnveiligeNaam, "Het archief bevat een ongeldige bestandsnaam"},
    {ZipComponent::MapNietBeschikbaar, "De doelmap kan niet worden aangemaakt of beschreven"},
    {ZipComponent::OnbekendeFout, "Er is een onbekende fout opgetreden in de ZIP-component"},
    {ZipComponent::NietOndersteund,
     "Het archief gebruikt een compressie- of versleutelingsmethode die niet wordt ondersteund"},
    {ZipComponent::ArchiefNietTeOpenen, "Het archief kan niet worden geopend"},
    {ZipComponent::WachtwoordOfBeschadigd, "Het wachtwoord is onjuist of het archief is beschadigd"},
    {ZipComponent::EntryTeGroot, "Het bestand in het archief is te groot om in het geheugen te laden"},
    {ZipComponent::ArchiefLeeg, "Het archief bevat geen bestanden"},
    {ZipComponent::GeenWachtwoord, "Er is geen wachtwoord opgegeven"},
};

// Extensions of files that are compressed already; deflating them again only costs time.
const QStringList opslagExtensies = {"gif", "png", "z",   "zip", "zoo", "arc", "lzh",  "arj", "taz",
                                     "tgz", "lha", "rar", "ace", "cab", "gz",  "gzip", "jar"};

// An entry read into memory must fit a QByteArray with room to spare.
constexpr qint64 maxGeheugenEntry = qint64(1) << 30;

constexpr zip_uint64_t leesBlok = 64 * 1024;

// Windows wrote passwords in its ANSI code page; a password that code page cannot carry can only have
// been typed as UTF-8 by some other tool.
constexpr char16_t hoog1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<QByteArray> Als1252(const QString& tekst) {
    QByteArray uit;
    for (QChar qc : tekst) {
        const char16_t c = qc.unicode();
        int b = -1;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            b = c;
        for (int i = 0; b < 0 && i < 32; ++i)
            if (hoog1252[i] == c)
                b = 0x80 + i;
        if (b < 0)
            return std::nullopt;
        uit.append(char(b));
    }
    return uit;
}

// The byte forms in which a password may have been written, most likely first.
QList<QByteArray> WachtwoordVormen(const QString& w) {
    QList<QByteArray> vormen;
    if (auto ansi = Als1252(w))
        vormen.append(*ansi);
    const QByteArray utf8 = w.toUtf8();
    if (!vormen.contains(utf8))
        vormen.append(utf8);
    return vormen;
}

QByteArray SchrijfWachtwoord(const QString& w) {
    return WachtwoordVormen(w).first();
}

bool IsSchijfVol(int sys) {
    return sys == ENOSPC || sys == EDQUOT || sys == EFBIG;
}

// Maps libzip's error to our code. `versleuteld` tells whether the data read was encrypted: the
// traditional check is one byte, so one wrong password in 256 passes it and fails later on the data.
int VanLibzip(int ze, int sys, bool versleuteld = false) {
    switch (ze) {
    case ZIP_ER_OK:
        return ZipComponent::Geen;
    case ZIP_ER_NOENT:
        return ZipComponent::ArchiefNietGevonden;
    case ZIP_ER_OPEN:
        if (sys == ENOENT)
            return ZipComponent::ArchiefNietGevonden;
        return ZipComponent::ArchiefNietTeOpenen;
    case ZIP_ER_CRC:
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
        return versleuteld ? ZipComponent::WachtwoordOfBeschadigd : ZipComponent::ArchiefBeschadigd;
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
    case ZIP_ER_EOF:
    case ZIP_ER_MULTIDISK:
    case ZIP_ER_SEEK:
    case ZIP_ER_READ:
    case ZIP_ER_TELL:
        return ZipComponent::ArchiefBeschadigd;
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_NOPASSWD:
        return ZipComponent::VerkeerdWachtwoord;
    case ZIP_ER_COMPNOTSUPP:
    case ZIP_ER_ENCRNOTSUPP:
        return ZipComponent::NietOndersteund;
    case ZIP_ER_WRITE:
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_RENAME:
    case ZIP_ER_CLOSE:
    case ZIP_ER_REMOVE:
        return IsSchijfVol(sys) ? ZipComponent::SchijfVol : ZipComponent::SchrijfFout;
    default:
        return ZipComponent::OnbekendeFout;
    }
}

QString LibzipTekst(zip_error_t* fout) {
    return QString::fromLocal8Bit(zip_error_strerror(fout));
}

// A file on disk as a libzip source. libzip's own file source cannot report a time of ours without
// zip_file_set_mtime, and that call spoils the password check byte of traditional encryption in
// libzip 1.7; a source of our own reports the file's time through its stat instead. It also reads in
// blocks, so a file of any size passes without being held in memory.
struct BestandBron {
    int fd = -1;
    zip_uint64_t grootte = 0;
    time_t tijd = 0;
    zip_error_t fout;
    bool* leesFout = nullptr; // outlives the source: libzip frees it inside zip_close
};

zip_int64_t BestandBronFunctie(void* gebruiker, void* data, zip_uint64_t lengte, zip_source_cmd_t opdracht) {
    auto* bron = static_cast<BestandBron*>(gebruiker);
    switch (opdracht) {
    case ZIP_SOURCE_OPEN:
        if (::lseek(bron->fd, 0, SEEK_SET) < 0) {
            *bron->leesFout = true;
            zip_error_set(&bron->fout, ZIP_ER_SEEK, errno);
            return -1;
        }
        return 0;
    case ZIP_SOURCE_READ: {
        auto* p = static_cast<char*>(data);
        zip_uint64_t gelezen = 0;
        while (gelezen < lengte) {
            const ssize_t n = ::read(bron->fd, p + gelezen, lengte - gelezen);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                *bron->leesFout = true;
                zip_error_set(&bron->fout, ZIP_ER_READ, errno);
                return -1;
            }
            if (n == 0)
                break;
            gelezen += zip_uint64_t(n);
        }
        return zip_int64_t(gelezen);
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, lengte, &bron->fout);
        if (!st)
            return -1;
        zip_stat_init(st);
        st->size = bron->grootte;
        st->mtime = bron->tijd;
        st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&bron->fout, data, lengte);
    case ZIP_SOURCE_FREE:
        if (bron->fd >= 0)
            ::close(bron->fd);
        zip_error_fini(&bron->fout);
        delete bron;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&bron->fout, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// Closes an archive opened for reading on every way out.
struct Archief {
    zip_t* za = nullptr;
    ~Archief() {
        if (za)
            zip_discard(za);
    }
};

QByteArray NatiefPad(const QString& pad) {
    return QFile::encodeName(QDir::toNativeSeparators(pad));
}

bool ZetBestandsTijd(int fd, time_t tijd) {
    const struct timespec tijden[2] = {{tijd, 0}, {tijd, 0}};
    return ::futimens(fd, tijden) == 0;
}

} // namespace

QString ZipComponent::MeldingVoor(int code) {
    if (code == Geen)
        return QString();
    for (const Melding& m : meldingen)
        if (m.code == code)
            return QString::fromUtf8(m.tekst);
    return QString::fromUtf8(meldingen[OnbekendeFout - 1].tekst);
}

QString ZipComponent::FoutMelding() const {
    return MeldingVoor(m_fout);
}

void ZipComponent::ZetNiveau(int niveau) {
    m_niveau = qBound(0, niveau, 9);
}

bool ZipComponent::IsOpslagExtensie(const QString& bestandsnaam) {
    const qsizetype scheiding =
        std::max(bestandsnaam.lastIndexOf(QLatin1Char('/')), bestandsnaam.lastIndexOf(QLatin1Char('\\')));
    const QString naam = bestandsnaam.mid(scheiding + 1);
    const qsizetype punt = naam.lastIndexOf(QLatin1Char('.'));
    if (punt < 0)
        return false;
    return opslagExtensies.contains(naam.mid(punt + 1).toLower());
}

QString ZipComponent::VeiligeNaam(const QString& entryNaam) {
    const qsizetype scheiding =
        std::max(entryNaam.lastIndexOf(QLatin1Char('/')), entryNaam.lastIndexOf(QLatin1Char('\\')));
    const QString laatste = entryNaam.mid(scheiding + 1);
    if (laatste.isEmpty() || laatste == QLatin1String(".") || laatste == QLatin1String(".."))
        return QString();
    return laatste;
}

bool ZipComponent::Faal(int code, const QString& detail) {
    m_fout = code;
    m_detail = detail;
    return false;
}

namespace {

// Everything an added entry needs besides its data: method, level and encryption are set anew on every
// add, because a replaced entry would otherwise keep the settings of the one it replaces.
bool ZetEntryOpties(zip_t* za, zip_int64_t index, const QString& naam, qint64 grootte, int niveau,
                    bool versleutelen, const QString& wachtwoord) {
    // An empty file is stored, as other ZIP tools do: deflate would only add its two bytes.
    const bool opslaan = niveau == 0 || grootte == 0 || ZipComponent::IsOpslagExtensie(naam);
    // libzip reads level 0 as "the default level", so storing has to be asked for by method.
    if (opslaan) {
        if (zip_set_file_compression(za, zip_uint64_t(index), ZIP_CM_STORE, 0) < 0)
            return false;
    } else if (zip_set_file_compression(za, zip_uint64_t(index), ZIP_CM_DEFLATE, zip_uint32_t(niveau)) < 0) {
        return false;
    }
    if (versleutelen) {
        const QByteArray w = SchrijfWachtwoord(wachtwoord);
        return zip_file_set_encryption(za, zip_uint64_t(index), ZIP_EM_TRAD_PKWARE, w.constData()) == 0;
    }
    return zip_file_set_encryption(za, zip_uint64_t(index), ZIP_EM_NONE, nullptr) == 0;
}

// zip_open with the failure turned into our code and libzip's text.
zip_t* Open(const QString& archief, int vlaggen, int& code, QString& detail) {
    int ze = 0;
    zip_t* za = zip_open(NatiefPad(archief).constData(), vlaggen, &ze);
    if (!za) {
        zip_error_t fout;
        zip_error_init_with_code(&fout, ze);
        code = VanLibzip(ze, zip_error_code_system(&fout));
        detail = LibzipTekst(&fout);
        zip_error_fini(&fout);
    }
    return za;
}

// Opens an archive for writing; an existing file that is no archive is never overwritten.
zip_t* OpenVoorSchrijven(const QString& archief, int& code, QString& detail) {
    return Open(archief, ZIP_CREATE, code, detail);
}

// The archive's file takes the time of its newest entry, as the entries hold it (two seconds precise).
void ZetArchiefTijd(const QString& archief) {
    int ze = 0;
    zip_t* za = zip_open(NatiefPad(archief).constData(), ZIP_RDONLY, &ze);
    if (!za)
        return;
    time_t nieuwste = 0;
    const zip_int64_t aantal = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < aantal; ++i) {
        zip_stat_t st;
        if (zip_stat_index(za, zip_uint64_t(i), 0, &st) == 0 && (st.valid & ZIP_STAT_MTIME))
            nieuwste = std::max(nieuwste, st.mtime);
    }
    zip_discard(za);
    const int fd = ::open(NatiefPad(archief).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ZetBestandsTijd(fd, nieuwste);
        ::close(fd);
    }
}

} // namespace

bool ZipComponent::VoegBestandToe(const QString& archief, const QString& bronBestand) {
    WisFout();
    if (m_versleutelen && m_wachtwoord.isEmpty())
        return Faal(GeenWachtwoord);

    // Non-blocking so that a FIFO under the name cannot hang the run; it is refused just below.
    const int fd = ::open(NatiefPad(bronBestand).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Faal(BronNietLeesbaar,
                    bronBestand + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno)));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Faal(BronNietLeesbaar, bronBestand);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    const QString naam = QFileInfo(bronBestand).fileName();
    int code = Geen;
    QString detail;
    zip_t* za = OpenVoorSchrijven(archief, code, detail);
    if (!za) {
        ::close(fd);
        return Faal(code, detail);
    }

    bool leesFout = false;
    auto* bron = new BestandBron;
    bron->fd = fd;
    bron->grootte = zip_uint64_t(st.st_size);
    bron->tijd = st.st_mtime;
    bron->leesFout = &leesFout;
    zip_error_init(&bron->fout);
    zip_source_t* src = zip_source_function(za, BestandBronFunctie, bron);
    if (!src) {
        ::close(fd);
        zip_error_fini(&bron->fout);
        delete bron;
        zip_discard(za);
        return Faal(OnbekendeFout);
    }
    const zip_int64_t index =
        zip_file_add(za, naam.toUtf8().constData(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(src);
        detail = LibzipTekst(zip_get_error(za));
        zip_discard(za);
        return Faal(OnbekendeFout, detail);
    }
    if (!ZetEntryOpties(za, index, naam, qint64(st.st_size), m_niveau, m_versleutelen, m_wachtwoord)) {
        detail = LibzipTekst(zip_get_error(za));
        zip_discard(za);
        return Faal(OnbekendeFout, detail);
    }
    // libzip writes into a temporary file beside the archive and renames it at the end, so a failure
    // leaves an existing archive as it was and no new one behind.
    if (zip_close(za) != 0) {
        zip_error_t* fout = zip_get_error(za);
        code = leesFout ? BronNietLeesbaar : VanLibzip(zip_error_code_zip(fout), zip_error_code_system(fout));
        detail = LibzipTekst(fout);
        zip_discard(za);
        return Faal(code, bronBestand + QStringLiteral(": ") + detail);
    }
    ZetArchiefTijd(archief);
    Platform::WisArchiefVlag(bronBestand);
    return true;
}

bool ZipComponent::VoegDataToe(const QString& archief, const QString& entryNaam, const QByteArray& data) {
    WisFout();
    if (m_versleutelen && m_wachtwoord.isEmpty())
        return Faal(GeenWachtwoord);
    if (entryNaam.isEmpty())
        return Faal(OnveiligeNaam);
    int code = Geen;
    QString detail;
    zip_t* za = OpenVoorSchrijven(archief, code, detail);
    if (!za)
        return Faal(code, detail);
    // The buffer reports the current time as its stat, which becomes the entry's time. `data` lives
    // until zip_close below has written it.
    zip_source_t* src = zip_source_buffer(za, data.constData(), zip_uint64_t(data.size()), 0);
    if (!src) {
        zip_discard(za);
        return Faal(OnbekendeFout);
    }
    const zip_int64_t index =
        zip_file_add(za, entryNaam.toUtf8().constData(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(src);
        detail = LibzipTekst(zip_get_error(za));
        zip_discard(za);
        return Faal(OnbekendeFout, detail);
    }
    if (!ZetEntryOpties(za, index, entryNaam, data.size(), m_niveau, m_versleutelen, m_wachtwoord)) {
        detail = LibzipTekst(zip_get_error(za));
        zip_discard(za);
        return Faal(OnbekendeFout, detail);
    }
    if (zip_close(za) != 0) {
        zip_error_t* fout = zip_get_error(za);
        code = VanLibzip(zip_error_code_zip(fout), zip_error_code_system(fout));
        detail = LibzipTekst(fout);
        zip_discard(za);
        return Faal(code, detail);
    }
    return true;
}

namespace {

// Opens an archive for reading. libzip 1.7's consistency check refuses the streamed archives of
// Info-ZIP (data descriptors), so damage is found on the data instead: its CRC is always checked.
zip_t* OpenVoorLezen(const QString& archief, int& code, QString& detail) {
    const QFileInfo info(archief);
    if (!info.exists()) {
        code = ZipComponent::ArchiefNietGevonden;
        return nullptr;
    }
    if (info.isDir()) {
        code = ZipComponent::ArchiefNietTeOpenen;
        return nullptr;
    }
    // libzip takes an empty file for an empty archive; nothing of ours is ever empty.
    if (info.size() == 0) {
        code = ZipComponent::ArchiefBeschadigd;
        return nullptr;
    }
    return Open(archief, ZIP_RDONLY, code, detail);
}

// Reads one opened entry to its end into `schrijf`. The CRC is checked by libzip at the end of the
// data, so the entry is read to its end before anything counts as done.
int LeesOpenEntry(zip_file_t* zf, bool versleuteld, const std::function<int(const char*, qint64)>& schrijf,
                  QString& detail) {
    QByteArray buffer(qsizetype(leesBlok), Qt::Uninitialized);
    for (;;) {
        const zip_int64_t n = zip_fread(zf, buffer.data(), leesBlok);
        if (n < 0) {
            zip_error_t* fout = zip_file_get_error(zf);
            detail = LibzipTekst(fout);
            const int code = VanLibzip(zip_error_code_zip(fout), zip_error_code_system(fout), versleuteld);
            return code == ZipComponent::Geen || code == ZipComponent::ArchiefNietGevonden
                       ? ZipComponent::ArchiefBeschadigd
                       : code;
        }
        if (n == 0)
            return ZipComponent::Geen;
        const int code = schrijf(buffer.constData(), n);
        if (code != ZipComponent::Geen)
            return code;
    }
}

// Streams one entry to `schrijf`, which answers 0 or an error code. An encrypted entry is tried with
// each form of the password; a form that passes the one-byte check can still be the wrong one and
// fail on the data, so `herbegin` empties what was written before the next form is tried.
int LeesEntry(zip_t* za, zip_uint64_t index, const QString& wachtwoord,
              const std::function<int(const char*, qint64)>& schrijf, const std::function<bool()>& herbegin,
              QString& detail) {
    zip_stat_t st;
    if (zip_stat_index(za, index, 0, &st) != 0) {
        detail = LibzipTekst(zip_get_error(za));
        return ZipComponent::ArchiefBeschadigd;
    }
    const bool versleuteld = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
    if (versleuteld && wachtwoord.isEmpty())
        return ZipComponent::VerkeerdWachtwoord;
    const QList<QByteArray> vormen =
        versleuteld ? WachtwoordVormen(wachtwoord) : QList<QByteArray>{QByteArray()};
    int code = ZipComponent::OnbekendeFout;
    for (qsizetype i = 0; i < vormen.size(); ++i) {
        if (i > 0 && !herbegin())
            return ZipComponent::SchrijfFout;
        zip_file_t* zf = versleuteld ? zip_fopen_index_encrypted(za, index, 0, vormen[i].constData())
                                     : zip_fopen_index(za, index, 0);
        if (!zf) {
            zip_error_t* fout = zip_get_error(za);
            detail = LibzipTekst(fout);
            code = VanLibzip(zip_error_code_zip(fout), zip_error_code_system(fout), versleuteld);
            // Opening can only fail for a reason: never report it as success.
            if (code == ZipComponent::Geen || code == ZipComponent::ArchiefNietGevonden)
                code = ZipComponent::ArchiefBeschadigd;
            zip_error_clear(za);
        } else {
            code = LeesOpenEntry(zf, versleuteld, schrijf, detail);
            zip_fclose(zf);
        }
        if (code != ZipComponent::VerkeerdWachtwoord && code != ZipComponent::WachtwoordOfBeschadigd)
            return code;
    }
    return code;
}

} // namespace

std::optional<QByteArray> ZipComponent::PakUitNaarGeheugen(const QString& archief, const QString& entryNaam) {
    WisFout();
    int code = Geen;
    QString detail;
    Archief a;
    a.za = OpenVoorLezen(archief, code, detail);
    if (!a.za) {
        Faal(code, detail);
        return std::nullopt;
    }
    const QByteArray naam = entryNaam.toUtf8();
    zip_int64_t index = zip_name_locate(a.za, naam.constData(), 0);
    // Names were matched without regard to case where the program came from.
    if (index < 0)
        index = zip_name_locate(a.za, naam.constData(), ZIP_FL_NOCASE);
    if (index < 0) {
        Faal(EntryNietGevonden, entryNaam);
        return std::nullopt;
    }
    zip_stat_t st;
    if (zip_stat_index(a.za, zip_uint64_t(index), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
        st.size > zip_uint64_t(maxGeheugenEntry)) {
        Faal(EntryTeGroot, entryNaam);
        return std::nullopt;
    }
    QByteArray uit;
    code = LeesEntry(
        a.za, zip_uint64_t(index), m_wachtwoord,
        [&uit](const char* p, qint64 n) {
            if (uit.size() + n > maxGeheugenEntry)
                return int(EntryTeGroot);
            uit.append(p, qsizetype(n));
            return int(Geen);
        },
        [&uit] {
            uit.clear();
            return true;
        },
        detail);
    if (code != Geen) {
        Faal(code, detail);
        return std::nullopt;
    }
    return uit;
}

namespace {

// Writes one extracted entry beside its final name and renames it into place: an existing file is
// replaced only by a complete one, and a link under the name is replaced itself, never followed out
// of the folder.
int SchrijfUitgepakt(zip_t* za, zip_uint64_t index, const QString& map, const QString& naam,
                     const QString& wachtwoord, QString& detail) {
    const QString doel = map + QLatin1Char('/') + naam;
    QString tijdelijk;
    int fd = -1;
    for (int poging = 0; poging < 100 && fd < 0; ++poging) {
        tijdelijk = map + QStringLiteral("/.orvo-uitpak-") +
                    QString::number(QRandomGenerator::global()->generate64(), 36);
        fd = ::open(NatiefPad(tijdelijk).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        if (fd < 0 && errno != EEXIST) {
            const int sys = errno;
            detail = map + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(sys));
            return IsSchijfVol(sys) ? ZipComponent::SchijfVol : ZipComponent::MapNietBeschikbaar;
        }
    }
    if (fd < 0)
        return ZipComponent::MapNietBeschikbaar;

    int code = LeesEntry(
        za, index, wachtwoord,
        [fd, &detail](const char* p, qint64 n) {
            while (n > 0) {
                const ssize_t w = ::write(fd, p, size_t(n));
                if (w < 0 && errno == EINTR)
                    continue;
                if (w < 0) {
                    const int sys = errno;
                    detail = QString::fromLocal8Bit(strerror(sys));
                    return int(IsSchijfVol(sys) ? ZipComponent::SchijfVol : ZipComponent::SchrijfFout);
                }
                p += w;
                n -= w;
            }
            return int(ZipComponent::Geen);
        },
        [fd] { return ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0; }, detail);
    if (code == ZipComponent::Geen) {
        zip_stat_t st;
        if (zip_stat_index(za, index, 0, &st) == 0 && (st.valid & ZIP_STAT_MTIME))
            ZetBestandsTijd(fd, st.mtime);
    }
    if (::close(fd) != 0 && code == ZipComponent::Geen) {
        const int sys = errno;
        detail = QString::fromLocal8Bit(strerror(sys));
        code = IsSchijfVol(sys) ? ZipComponent::SchijfVol : ZipComponent::SchrijfFout;
    }
    if (code == ZipComponent::Geen &&
        ::rename(NatiefPad(tijdelijk).constData(), NatiefPad(doel).constData()) != 0) {
        detail = doel + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
        code = ZipComponent::SchrijfFout;
    }
    if (code != ZipComponent::Geen)
        ::unlink(NatiefPad(tijdelijk).constData());
    return code;
}

} // namespace

bool ZipComponent::PakAllesUit(const QString& archief, const QString& doelMap) {
    WisFout();
    QString map = QDir::cleanPath(QDir::fromNativeSeparators(doelMap));
    if (map.isEmpty() || !QDir().mkpath(map) || !QFileInfo(map).isDir())
        return Faal(MapNietBeschikbaar, doelMap);
    int code = Geen;
    QString detail;
    Archief a;
    a.za = OpenVoorLezen(archief, code, detail);
    if (!a.za)
        return Faal(code, detail);

    const zip_int64_t aantal = zip_get_num_entries(a.za, 0);
    int bestanden = 0;
    int eersteFout = Geen;
    QString eersteDetail;
    for (zip_int64_t i = 0; i < aantal; ++i) {
        const char* ruweNaam = zip_get_name(a.za, zip_uint64_t(i), 0);
        if (!ruweNaam)
            return Faal(ArchiefBeschadigd, LibzipTekst(zip_get_error(a.za)));
        const QString entryNaam = QString::fromUtf8(ruweNaam);
        // Folder entries hold nothing to write: extraction is flat.
        if (entryNaam.endsWith(QLatin1Char('/')) || entryNaam.endsWith(QLatin1Char('\\'))) {
            zip_stat_t st;
            if (zip_stat_index(a.za, zip_uint64_t(i), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
                st.size == 0)
                continue;
        }
        ++bestanden;
        const QString naam = VeiligeNaam(entryNaam);
        if (naam.isEmpty()) {
            // Refused, the other entries still come out; the run hears of it through the code.
            if (eersteFout == Geen) {
                eersteFout = OnveiligeNaam;
                eersteDetail = entryNaam;
            }
            continue;
        }
        code = SchrijfUitgepakt(a.za, zip_uint64_t(i), map, naam, m_wachtwoord, detail);
        if (code != Geen)
            return Faal(code, naam + QStringLiteral(": ") + detail);
    }
    if (eersteFout != Geen)
        return Faal(eersteFout, eersteDetail);
    if (bestanden == 0)
        return Faal(ArchiefLeeg, archief);
    return true;
}

qint64 ZipComponent::ArchiefGrootte(const QString& archief) {
    const QFileInfo info(archief);
    if (!info.exists() || info.isDir())
        return -1;
    return info.size();
}

qint64 ZipComponent::GecomprimeerdeGrootteEersteEntry(const QString& archief) {
    // Asked after a failed extraction, whose code is still to be reported: the error state stays.
    int code = Geen;
    QString detail;
    Archief a;
    a.za = OpenVoorLezen(archief, code, detail);
    if (!a.za || zip_get_num_entries(a.za, 0) < 1)
        return -1;
    zip_stat_t st;
    if (zip_stat_index(a.za, 0, 0, &st) != 0 || !(st.valid & ZIP_STAT_COMP_SIZE))
        return -1;
    return qint64(st.comp_size);
}

} // namespace Orvo
