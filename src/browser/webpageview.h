#pragma once

// The page view over Qt WebEngine, with a profile of its own that keeps
// nothing on disk. Built into the browser module, and into the tests.

#include "platform/pageview.h"

class QWidget;

namespace qarnivo {

PageView *MakeWebPageView(QWidget *parent);

} // namespace qarnivo
