#include "ui/DigitsOnlyFilter.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace kelvrin {

namespace {

bool AllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool IsPrintable(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

class DigitsOnlyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste))
            return !AllDigits(QGuiApplication::clipboard()->text());
        return IsPrintable(key->text()) && !AllDigits(key->text());
    }
};

}  // namespace

void AcceptDigitsOnly(QLineEdit* edit) {
    edit->installEventFilter(new DigitsOnlyFilter(edit));
    edit->setAcceptDrops(false);
    // Text that arrives otherwise than by keys (the selection's middle-click paste, the context
    // menu's Paste) must hold digits too. A minus sign may lead, where a stored negative number
    // puts it; the key filter still refuses a typed one.
    static const QRegularExpression digits(QStringLiteral("-?[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(digits, edit));
}

}  // namespace kelvrin
