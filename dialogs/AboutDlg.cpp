#include "dialogs/AboutDlg.h"

#include "dialogs/DialogIds.h"

namespace kelvrin {

CAboutDlg::CAboutDlg() : Dialog(about::kTemplate) {}

}  // namespace kelvrin
