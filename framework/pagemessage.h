#pragma once

// The messages that the main window, the pages and the report windows send each other. Four have
// fixed numbers; the report messages are registered by name and numbered at run time.

#include <QEvent>

namespace PageMessages {

inline constexpr QEvent::Type HidePage = static_cast<QEvent::Type>(0x2878);
inline constexpr QEvent::Type Activate = static_cast<QEvent::Type>(0x2AED);
inline constexpr QEvent::Type Reset = static_cast<QEvent::Type>(0x2AEE);
inline constexpr QEvent::Type PrintScreen = static_cast<QEvent::Type>(0x2AF3);

inline constexpr char kSaveReport[] = "WM_MYSAVEREPORT";
inline constexpr char kPassReport[] = "WM_MYPASSREPORT";
inline constexpr char kAddCheck[] = "WM_MYADDCHECK";
inline constexpr char kHistWindow[] = "WM_MYHISTWINDOW";
// The Enter key as the main window hands it to the current page.
inline constexpr char kEnterKey[] = "TAVO_ENTERKEY";

// WM_MYSAVEREPORT's lParam: what to do with the report.
inline constexpr qintptr kSaveToFile = 0;
inline constexpr qintptr kAddToHistories = 1;
// WM_MYADDCHECK's lParam: the check box's state only, or also open the floating window.
inline constexpr qintptr kCheckStateOnly = 0;
inline constexpr qintptr kOpenFloatingWindow = 4;
// WM_MYHISTWINDOW: the floating window asks for every history (lParam), and one history of the
// replay is in the hand-off file (wParam). (0, 0) tells of one new history.
inline constexpr qintptr kReplayRequest = 14;
inline constexpr qintptr kReplayedHistory = 7;
// The Enter key's character.
inline constexpr qintptr kEnterCharacter = 13;

// The same number for the same name, for the whole run.
QEvent::Type Registered(const char* name);

// Claims the four fixed numbers from Qt once; false if one was already taken.
bool ReserveFixedNumbers();

}  // namespace PageMessages

class PageMessage : public QEvent
{
public:
    PageMessage(QEvent::Type type, qintptr wParam = 0, qintptr lParam = 0);

    qintptr wParam() const { return m_wParam; }
    qintptr lParam() const { return m_lParam; }

private:
    qintptr m_wParam;
    qintptr m_lParam;
};

// Delivered before the call returns.
bool SendPageMessage(QObject* receiver, QEvent::Type type, qintptr wParam = 0, qintptr lParam = 0);
// Delivered after the sender's handler has returned.
void PostPageMessage(QObject* receiver, QEvent::Type type, qintptr wParam = 0, qintptr lParam = 0);
