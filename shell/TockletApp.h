#pragma once
// The application object: builds the real services and the main panel, runs the panel for
// the life of the process, and starts a fresh instance after Escape.

namespace tocklet {

class CTockletApp {
public:
    CTockletApp() = default;
    CTockletApp(const CTockletApp&) = delete;
    CTockletApp& operator=(const CTockletApp&) = delete;

    /// Runs the program; returns false always, as the process ends after it.
    bool InitInstance();
};

}  // namespace tocklet
