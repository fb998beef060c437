// The words of the interface in one language: the strings, menus and dialogs of the resource
// script's block for that language, with the language-neutral (English) block behind it.
#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <vector>

#include <string>
#include <string_view>

#include "decisions/language.h"

namespace velmora {

class Catalogue {
  public:
    Catalogue(HINSTANCE instance, Language language);

    Language language() const { return language_; }
    bool rightToLeft() const { return language_ == Language::persian; }
    // The string of the STRINGTABLE; empty when no block has it.
    std::u16string text(UINT id) const;
    // A new menu, the caller's to destroy. A Persian menu bar reads from the right in a
    // mirrored window (WS_EX_LAYOUTRTL), which drops its menus down from their right edges.
    HMENU menu(const wchar_t* name) const;
    // The extended styles of a top-level window of this language: mirrored in Persian (its
    // caption, frame and menus), its children laid out as they are.
    DWORD windowLayout() const { return rightToLeft() ? WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT : 0; }
    // A dialog template in the system's message font, for DialogBoxIndirectParamW and
    // CreateDialogIndirectParamW; kept while the catalogue lasts.
    const DLGTEMPLATE* dialog(const wchar_t* name) const;
    // A warning box over owner: string textId with its "%s" replaced by insert, under the
    // program's name, reading as the language reads.
    void warn(HWND owner, UINT textId, std::u16string_view insert) const;
    // A message box over owner with text (its "%s" replaced by insert) as the language reads
    // it, under the program's name, with flags' buttons and icon; MessageBoxW's answer.
    int say(HWND owner, std::u16string_view text, std::u16string_view insert, UINT flags) const;
    // The flags a message box of this language takes.
    UINT messageBoxFlags() const { return rightToLeft() ? MB_RTLREADING | MB_RIGHT : 0; }

  private:
    // The resource in this language, else in the neutral block, else in any.
    std::span<const BYTE> find(const wchar_t* type, const wchar_t* name) const;

    HINSTANCE instance_;
    mutable std::map<std::wstring, std::vector<BYTE>> dialogs_;
    Language language_;
    LANGID languageId_;
};

// The language of this user's interface: the choice stored under HKCU\Software\Velmora
// ("Language"), else Windows' display language.
Language storedInterfaceLanguage();
void storeInterfaceLanguage(Language language);

}  // namespace velmora
