// Velmora's updates as the window has them: a look at the signed feed on a thread of its own,
// when the user asks (Help > Check for Updates) or by itself at most once a day; a newer data
// edition taken up and told of in a balloon; a newer program offered, and on the user's yes
// fetched, verified and run silently, Velmora exiting so that it can be replaced. Nothing
// the network does waits the window. Windows only.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/catalogue.h"
#include "app/data_watch.h"
#include "app/tray_icon.h"
#include "update/data_update.h"

namespace velmora {

class UpdateService {
  public:
    // Posted to the window when a look at the feed, or the installer's download, is done:
    // lParam is the result, which onChecked or onDownloaded takes.
    static constexpr UINT kCheckedMessage = WM_APP + 10;
    static constexpr UINT kDownloadedMessage = WM_APP + 11;

    UpdateService(HWND window, DataWatch& data, TrayIcon& tray);

    // Looks at the feed unless a look is under way, asked by the user; or by itself when one
    // is due: Option > Check for Updates by Myself on, and no sound feed read in the last
    // day. The answer comes as kCheckedMessage.
    void check(bool asked);
    void checkIfDue(bool byItselfOn);
    // The window's handling of the two messages; true when Velmora is to exit for the
    // installer.
    void onChecked(LPARAM result, const Catalogue& words);
    bool onDownloaded(LPARAM result, const Catalogue& words);
    // The balloon offering a program was clicked: the same question as Help asks.
    void onBalloonClicked(const Catalogue& words);

  private:
    void offerProgram(const Feed& feed, const Catalogue& words);

    HWND window_;
    DataWatch& data_;
    TrayIcon& tray_;
    bool checking_ = false;
    bool asked_ = false;
    bool downloading_ = false;
    bool balloonOffers_ = false;   // the last balloon offered the program
    std::optional<Feed> offered_;  // a newer program the feed named
};

// Whether an Authenticode signature of the file verifies (WinVerifyTrust), and whether the
// file carries one at all.
struct Signature {
    bool present = false;
    bool verifies = false;
};
Signature authenticodeOf(const std::filesystem::path& file);

}  // namespace velmora
