#include "dialogs/AboutDlg.h"

namespace kelvrin {

CAboutDlg::CAboutDlg() : Dialog(100) {}

}  // namespace kelvrin
