#include "accessibility.h"

#include "balance.h"
#include "controls.h"
#include "handles.h"
#include "messages.h"
#include "rules.h"
#include "wide_text.h"

// The few annotation GUIDs are defined here, so that the program need not link the whole
// of libuuid for them.
#include <initguid.h>
// clang-format off
#include <oleacc.h>
// clang-format on

namespace trimwise {

void ScreenReaderNames::nameIfReaderRuns(HWND form) {
    BOOL screenReader = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) != FALSE &&
        screenReader != FALSE) {
        name(form);
    }
}

void ScreenReaderNames::name(HWND form) {
    if (named_) {
        return;
    }
    named_ = true;
    com_.emplace();
    void* raw = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, &raw))) {
        return;
    }
    const ComPtr<IAccPropServices> services(static_cast<IAccPropServices*>(raw));
    for (const Box box : kAllBoxes) {
        HWND window = ChildWindow(form, ControlOf(box));
        const std::wstring name = Widen(AccessibleName(box));
        services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, name.c_str());
        const std::wstring description = Widen(AccessibleDescription(box));
        if (!description.empty()) {
            services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_DESCRIPTION, description.c_str());
        }
    }
}

} // namespace trimwise
