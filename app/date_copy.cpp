#include "app/date_copy.h"

#include "app/user_settings.h"
#include "app/win32_text.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr UINT commandOf(CopyForm form) { return IDM_COPY_FORM_FIRST + static_cast<UINT>(form); }

}  // namespace

void showCopyForms(HMENU popup, const CalendarData& data, DayNumber today, Language language) {
    if (GetMenuItemID(popup, 0) != commandOf(kCopyForms.front())) return;
    for (const CopyForm form : kCopyForms) {
        const std::u16string text = copyText(data, today, form, language);
        // A Persian form reads right to left in either interface; digits alone need nothing
        // (and Wine draws the marks around them as boxes).
        const std::u16string item = text.empty()                       ? u"\u2014"
                                    : form == CopyForm::numericPersian ? text
                                                                       : readingRightToLeft(text);
        ModifyMenuW(popup, commandOf(form), MF_BYCOMMAND | MF_STRING | (text.empty() ? MF_GRAYED : MF_ENABLED),
                    commandOf(form), wide(item.c_str()));
    }
    CheckMenuRadioItem(popup, commandOf(kCopyForms.front()), commandOf(kCopyForms.back()),
                       commandOf(rememberedCopyForm()), MF_BYCOMMAND);
}

std::optional<CopyForm> copyFormOfCommand(WORD id) {
    for (const CopyForm form : kCopyForms)
        if (id == commandOf(form)) return form;
    return std::nullopt;
}

CopyForm rememberedCopyForm() { return copyFormNamed(readUserSetting(L"CopyForm")); }

void rememberCopyForm(CopyForm form) { writeUserSetting(L"CopyForm", copyFormName(form)); }

void copyDate(HWND owner, const CalendarData& data, DayNumber n, CopyForm form, Language language) {
    const std::u16string text = copyText(data, n, form, language);
    if (text.empty() || !copyToClipboard(owner, text)) MessageBeep(MB_OK);
}

}  // namespace velmora
