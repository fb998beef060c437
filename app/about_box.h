// The About box, modal over the main window.
#pragma once

#include <windows.h>

#include <string>

#include "app/catalogue.h"
#include "app/window_object.h"

namespace velmora {

class AboutBox : public DialogObject<AboutBox> {
  public:
    // dataProblem is what is wrong with a damaged data file, said below the box's foot; empty
    // while the files are sound.
    // lunarNote says which lunar dates are predictions and how old the table is.
    // editionNote names the data's edition and says what of it is out of date.
    AboutBox(HINSTANCE instance, const Catalogue& words, std::u16string dataProblem, std::u16string lunarNote,
             std::u16string editionNote);

    void run(HWND owner);

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void showDataProblem();
    void fitEditionNote();

    HINSTANCE instance_;
    const Catalogue& words_;
    std::u16string dataProblem_;
    std::u16string lunarNote_;
    std::u16string editionNote_;
};

}  // namespace velmora
