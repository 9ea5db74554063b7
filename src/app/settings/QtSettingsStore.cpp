#include "settings/QtSettingsStore.h"

namespace qor::app {
namespace {

QString Key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Qor"), QStringLiteral("Qor"))) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStore::Read(std::string_view name) const {
    const QString key = Key(name);
    if (name.empty() || !settings_->contains(key)) return std::nullopt;
    return settings_->value(key).toString().toStdString();
}

bool QtSettingsStore::Write(std::string_view name, std::string_view value) {
    if (name.empty()) return false;
    settings_->setValue(Key(name),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace qor::app
