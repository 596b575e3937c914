#include "ui/WrittenTextEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace kelvrin {

void AcceptWrittenTextOnly(QLineEdit* edit) {
    static const QRegularExpression singleByteText(QStringLiteral("[\\x{1}-\\x{ff}]*"));
    edit->setMaxLength(kMaxWrittenEditLength);
    edit->setValidator(new QRegularExpressionValidator(singleByteText, edit));
}

}  // namespace kelvrin
