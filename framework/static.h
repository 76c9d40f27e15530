#pragma once
// A static control.

#include "framework/wnd.h"

class CStatic : public CWnd {};
