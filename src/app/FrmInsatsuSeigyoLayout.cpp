// レイアウト: the layout editor, modal over the main window; the page list shows what the
// editor left in the layout.

#include "app/FrmInsatsuSeigyo.h"
#include "layout/FrmLayout.h"

namespace qv {

void FrmInsatsuSeigyo::CmdLayout_Click() {
  FrmLayout form(program_, LayoutResizeEnabled, this);
  form.Form_Load();
  env_.execDialog(form);
  ShowPageList();
}

}  // namespace qv
