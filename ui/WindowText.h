#pragma once

#include <QString>

#include <string>

namespace kelvrin {

// The config files hold one byte per character, as the game reads them: texts pass between the
// store and the window as Latin-1, so every stored byte shows and collects back unchanged and a
// 99-character edit never writes more than 99 bytes.
inline QString WindowText(const std::string& setting) {
    return QString::fromLatin1(setting.data(), static_cast<qsizetype>(setting.size()));
}

inline std::string SettingText(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace kelvrin
