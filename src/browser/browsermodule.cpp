// The browser module's entry, found by the platform with dlsym when the
// calculator first shows its page.

#include "browser/webpageview.h"

extern "C" __attribute__((visibility("default"))) qarnivo::PageView *
qarnivo_make_page_view(QWidget *parent)
{
    return qarnivo::MakeWebPageView(parent);
}
