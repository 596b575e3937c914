#include "ui/WrittenTextEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "settings/SettingDescription.h"

namespace kelvrin {

void AcceptWrittenTextOnly(QLineEdit* edit) {
    static const QRegularExpression singleByteText(QStringLiteral("[\\x{1}-\\x{ff}]*"));
    edit->setMaxLength(static_cast<int>(kMaxTextLength));
    edit->setValidator(new QRegularExpressionValidator(singleByteText, edit));
}

}  // namespace kelvrin
