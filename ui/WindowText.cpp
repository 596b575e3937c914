#include "ui/WindowText.h"

#include <QStringDecoder>

#include <algorithm>

namespace kelvrin {

QString NameText(std::string_view name) {
    // Most names are ASCII, which both spellings show alike.
    if (std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; }))
        return WindowText(name);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(name.data(), static_cast<qsizetype>(name.size())));
    return utf8.hasError() ? WindowText(name) : text;
}

}  // namespace kelvrin
