#include "app/prayer_dialog.h"

#include <commdlg.h>

#include "app/right_to_left.h"
#include "app/win32_text.h"
#include "calendar/date_text.h"
#include "data/dll_search.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

std::u16string degreesText(double degrees) {
    wchar_t text[32];
    swprintf(text, 32, L"%.4g", degrees);
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

PrayerDialog::PrayerDialog(HINSTANCE instance, const Catalogue& words, PrayerSettings settings)
    : instance_(instance), words_(words), settings_(std::move(settings)) {}

std::optional<PrayerSettings> PrayerDialog::run(HWND owner) {
    const DLGTEMPLATE* box = words_.dialog(L"PRAYERBOX");
    if (box == nullptr ||
        DialogBoxIndirectParamW(instance_, box, owner, procedure, reinterpret_cast<LPARAM>(this)) != IDOK)
        return std::nullopt;
    return settings_;
}

INT_PTR PrayerDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SendDlgItemMessageW(handle(), IDC_PRAYER_NAME, EM_SETLIMITTEXT, 60, 0);
        SendDlgItemMessageW(handle(), IDC_PRAYER_MINUTES, EM_SETLIMITTEXT, 3, 0);
        SendDlgItemMessageW(handle(), IDC_PRAYER_SOUND, EM_SETLIMITTEXT, MAX_PATH - 1, 0);
        if (words_.rightToLeft()) readTextsRightToLeft(handle());
        show();
        SetFocus(GetDlgItem(handle(), settings_.place.iranTime ? IDC_PRAYER_FILTER : IDC_PRAYER_LATITUDE));
        return FALSE;
    }
    if (message != WM_COMMAND || filling_) return FALSE;
    const WORD code = HIWORD(wParam);
    switch (LOWORD(wParam)) {
        case IDC_PRAYER_FILTER:
            if (code == EN_CHANGE) {
                fillCities();
                CheckRadioButton(handle(), IDC_PRAYER_AT_CITY, IDC_PRAYER_AT_PLACE, IDC_PRAYER_AT_CITY);
            }
            return TRUE;
        case IDC_PRAYER_CITIES:
            if (code == LBN_SELCHANGE) {
                if (const City* city = selectedCity())
                    chosenCity_.assign(city->englishName.begin(), city->englishName.end());
                CheckRadioButton(handle(), IDC_PRAYER_AT_CITY, IDC_PRAYER_AT_PLACE, IDC_PRAYER_AT_CITY);
            }
            if (code == LBN_DBLCLK) PostMessageW(handle(), WM_COMMAND, IDOK, 0);
            return TRUE;
        case IDC_PRAYER_LATITUDE:
        case IDC_PRAYER_LONGITUDE:
        case IDC_PRAYER_NAME:
            if (code == EN_CHANGE)
                CheckRadioButton(handle(), IDC_PRAYER_AT_CITY, IDC_PRAYER_AT_PLACE, IDC_PRAYER_AT_PLACE);
            return TRUE;
        case IDC_PRAYER_SOUND:
            if (code == EN_CHANGE) CheckDlgButton(handle(), IDC_PRAYER_SOUND_ON, BST_CHECKED);
            return TRUE;
        case IDC_PRAYER_ASR_ISHA: offerAsrAndIshaReminders(); return TRUE;
        case IDC_PRAYER_BROWSE: browseForSound(); return TRUE;
        case IDOK:
            if (const auto chosen = read()) {
                settings_ = *chosen;
                EndDialog(handle(), IDOK);
            } else {
                MessageBeep(MB_ICONWARNING);
            }
            return TRUE;
        case IDCANCEL: EndDialog(handle(), IDCANCEL); return TRUE;
        default: return FALSE;
    }
}

void PrayerDialog::show() {
    filling_ = true;
    const bool city = settings_.place.iranTime;
    if (city) chosenCity_ = settings_.place.name;
    fillCities();
    CheckRadioButton(handle(), IDC_PRAYER_AT_CITY, IDC_PRAYER_AT_PLACE,
                     city ? IDC_PRAYER_AT_CITY : IDC_PRAYER_AT_PLACE);
    if (!city) {
        setWindowText(GetDlgItem(handle(), IDC_PRAYER_LATITUDE), degreesText(settings_.place.place.latitude));
        setWindowText(GetDlgItem(handle(), IDC_PRAYER_LONGITUDE), degreesText(settings_.place.place.longitude));
        setWindowText(GetDlgItem(handle(), IDC_PRAYER_NAME), settings_.place.name);
    }
    CheckRadioButton(handle(), IDC_PRAYER_INSTITUTE, IDC_PRAYER_JAFARI,
                     settings_.method == PrayerMethod::jafari ? IDC_PRAYER_JAFARI : IDC_PRAYER_INSTITUTE);
    CheckDlgButton(handle(), IDC_PRAYER_ASR_ISHA, settings_.asrAndIsha ? BST_CHECKED : BST_UNCHECKED);
    offerAsrAndIshaReminders();
    CheckDlgButton(handle(), IDC_PRAYER_SHOWN, settings_.shown ? BST_CHECKED : BST_UNCHECKED);
    for (std::size_t i = 0; i < settings_.remind.size(); ++i)
        CheckDlgButton(handle(), IDC_PRAYER_REMIND_FIRST + static_cast<int>(i),
                       settings_.remind[i] ? BST_CHECKED : BST_UNCHECKED);
    setWindowText(GetDlgItem(handle(), IDC_PRAYER_MINUTES),
                  numberText(settings_.minutesBefore, interfaceDigits(words_.language())));
    setWindowText(GetDlgItem(handle(), IDC_PRAYER_SOUND), settings_.sound);
    CheckDlgButton(handle(), IDC_PRAYER_SOUND_ON, settings_.sound.empty() ? BST_UNCHECKED : BST_CHECKED);
    filling_ = false;
}

void PrayerDialog::fillCities() {
    const bool wasFilling = filling_;
    filling_ = true;
    listed_ = citiesMatching(windowText(GetDlgItem(handle(), IDC_PRAYER_FILTER)));
    const HWND list = GetDlgItem(handle(), IDC_PRAYER_CITIES);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    int chosen = listed_.size() == 1 ? 0 : -1;  // a filter that leaves one city chooses it
    for (std::size_t i = 0; i < listed_.size(); ++i) {
        const City& city = *listed_[i];
        const std::u16string text = cityListText(city.persianName, city.englishName, words_.language());
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text.c_str())));
        if (chosenCity_ == std::u16string(city.englishName.begin(), city.englishName.end()))
            chosen = static_cast<int>(i);
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    if (const City* city = selectedCity()) chosenCity_.assign(city->englishName.begin(), city->englishName.end());
    filling_ = wasFilling;
}

void PrayerDialog::offerAsrAndIshaReminders() {
    const bool shown = checked(handle(), IDC_PRAYER_ASR_ISHA);
    for (const PrayerTime time : {PrayerTime::asr, PrayerTime::isha})
        EnableWindow(GetDlgItem(handle(), IDC_PRAYER_REMIND_FIRST + static_cast<int>(prayerIndex(time))), shown);
}

const City* PrayerDialog::selectedCity() const {
    const LRESULT index = SendDlgItemMessageW(handle(), IDC_PRAYER_CITIES, LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= listed_.size()) return nullptr;
    return listed_[static_cast<std::size_t>(index)];
}

void PrayerDialog::browseForSound() {
    // The filter is its name and its pattern, each ended by a null, and a null after them.
    std::u16string filter = words_.text(IDS_PRAYER_SOUNDS);
    filter += u'\0';
    filter += u"*.wav";
    filter += u'\0';
    wchar_t path[MAX_PATH] = {};
    const std::u16string typed = windowText(GetDlgItem(handle(), IDC_PRAYER_SOUND));
    if (typed.size() < MAX_PATH) typed.copy(reinterpret_cast<char16_t*>(path), typed.size());
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = handle();
    open.lpstrFilter = wide(filter.c_str());
    open.lpstrFile = path;
    open.nMaxFile = MAX_PATH;
    open.lpstrDefExt = L"wav";
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    using OpenFileName = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto openFileName = reinterpret_cast<OpenFileName>(systemFunction(L"comdlg32.dll", "GetOpenFileNameW"));
    if (openFileName == nullptr || !openFileName(&open)) return;
    setWindowText(GetDlgItem(handle(), IDC_PRAYER_SOUND), reinterpret_cast<const char16_t*>(path));
    CheckDlgButton(handle(), IDC_PRAYER_SOUND_ON, BST_CHECKED);
}

std::optional<PrayerSettings> PrayerDialog::read() {
    PrayerSettings chosen = settings_;
    const auto text = [&](int id) { return windowText(GetDlgItem(handle(), id)); };
    if (checked(handle(), IDC_PRAYER_AT_PLACE)) {
        const auto place = typedPlace(text(IDC_PRAYER_LATITUDE), text(IDC_PRAYER_LONGITUDE), text(IDC_PRAYER_NAME));
        if (!place) {
            say(IDS_PRAYER_BAD_PLACE);
            SetFocus(GetDlgItem(handle(), IDC_PRAYER_LATITUDE));
            return std::nullopt;
        }
        chosen.place = *place;
    } else if (const City* city = selectedCity()) {
        chosen.place = {std::u16string(city->englishName.begin(), city->englishName.end()), city->place, true};
    } else {
        say(IDS_PRAYER_NO_CITY);
        SetFocus(GetDlgItem(handle(), IDC_PRAYER_FILTER));
        return std::nullopt;
    }
    const auto minutes = typedMinutes(text(IDC_PRAYER_MINUTES));
    if (!minutes) {
        say(IDS_PRAYER_BAD_MINUTES);
        SetFocus(GetDlgItem(handle(), IDC_PRAYER_MINUTES));
        return std::nullopt;
    }
    chosen.minutesBefore = *minutes;
    chosen.method = checked(handle(), IDC_PRAYER_JAFARI) ? PrayerMethod::jafari : PrayerMethod::institute;
    chosen.asrAndIsha = checked(handle(), IDC_PRAYER_ASR_ISHA);
    chosen.shown = checked(handle(), IDC_PRAYER_SHOWN);
    for (std::size_t i = 0; i < chosen.remind.size(); ++i)
        chosen.remind[i] = checked(handle(), IDC_PRAYER_REMIND_FIRST + static_cast<int>(i));
    chosen.sound = checked(handle(), IDC_PRAYER_SOUND_ON) ? text(IDC_PRAYER_SOUND) : u"";
    return chosen;
}

void PrayerDialog::say(UINT text) { setWindowText(GetDlgItem(handle(), IDC_PRAYER_NOTE), words_.text(text)); }

}  // namespace velmora
