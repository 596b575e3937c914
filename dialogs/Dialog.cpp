#include "dialogs/Dialog.h"

namespace kelvrin {

void Dialog::Open(DialogView& view) {
    view_ = &view;
    OnInitDialog();
}

void Dialog::Clicked(int id) {
    if (id == kOkButton) View().Close(true);
    if (id == kCancelButton) View().Close(false);
}

}  // namespace kelvrin
