#include "ui/DigitsOnlyFilter.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

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
        if (key->matches(QKeySequence::Paste)) return !AllDigits(QGuiApplication::clipboard()->text());
        return IsPrintable(key->text()) && !AllDigits(key->text());
    }
};

}  // namespace

void AcceptTypedDigitsOnly(QLineEdit* edit) {
    edit->installEventFilter(new DigitsOnlyFilter(edit));
    edit->setAcceptDrops(false);
}

}  // namespace kelvrin
