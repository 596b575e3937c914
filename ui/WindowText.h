#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kelvrin {

// The config files hold one byte per character, as the game reads them: texts pass between the
// store and the window as Latin-1, so every stored byte shows and collects back unchanged and an
// edit of kMaxTextLength characters never writes more bytes than that.
inline QString WindowText(std::string_view setting) {
    return QString::fromLatin1(setting.data(), static_cast<qsizetype>(setting.size()));
}

inline std::string SettingText(const QString& text) { return text.toLatin1().toStdString(); }

// A name as the file system spells it: UTF-8 where it is valid UTF-8, one character a byte else.
QString NameText(std::string_view name);

// The dialog templates' texts are UTF-8.
inline QString TemplateText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kelvrin
