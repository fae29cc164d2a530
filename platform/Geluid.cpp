#include "platform/Geluid.h"

#include <QCoreApplication>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

namespace Platform {
namespace {

QString resourcePad(const QString& naam) {
    return QStringLiteral(":/geluiden/") + naam.toLower() + QStringLiteral(".wav");
}

} // namespace

bool GeluidBestaat(const QString& naam) {
    return !naam.isEmpty() && QFile::exists(resourcePad(naam));
}

void SpeelGeluid(const QString& naam) {
    if (!GeluidBestaat(naam) || !QCoreApplication::instance())
        return;
    // One effect for the whole run, so a new sound cuts off the one still playing.
    static std::unique_ptr<QSoundEffect> effect;
    if (!effect)
        effect = std::make_unique<QSoundEffect>();
    effect->stop();
    effect->setSource(QUrl(QStringLiteral("qrc") + resourcePad(naam)));
    effect->play();
}

} // namespace Platform
