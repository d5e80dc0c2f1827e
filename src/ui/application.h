// The application object: the hidden top-level window that carries the
// program's title and taskbar button, the forms and the message loop.
#pragma once

#include "ui/window.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Form;

class Application final : public Window {
public:
    Application();
    ~Application() override;
    static Application &Instance();

    // Creates the application window, captioned with the program's file
    // name until a title is set.
    void Initialize();
    void SetTitle(std::string_view title);
    const std::string &Title() const { return title_; }

    // Creates a form owned by the application; the first is the main form.
    template <class F, class... Args> F *CreateForm(F *&reference, Args &&...args) {
        auto form = std::make_unique<F>(std::forward<Args>(args)...);
        reference = form.get();
        Adopt(std::move(form));
        return reference;
    }
    Form *MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

    // Shows the main form, then dispatches messages until it has closed.
    void Run();
    // Runs every message pending in the queue and returns.
    void ProcessMessages();
    // Ends the message loop.
    void Terminate();
    // The error's text in a message box captioned with the title.
    void ShowException(const std::exception &error);
    // A modal message box captioned with the title.
    void ShowMessage(std::string_view text);

    // The form that last became active; modal dialogs do not count.
    Form *ActiveForm() const { return activeForm_; }
    void SetActiveForm(Form *form) { activeForm_ = form; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Adopt(std::unique_ptr<Form> form);
    // Menu shortcuts take a key before any window sees it.
    bool IsShortCutMessage(const MSG &msg);
    void Process(MSG &msg);
    void ShowBox(std::string_view text, UINT icon);

    std::string title_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form *activeForm_ = nullptr;
    bool terminated_ = false;
    bool showingException_ = false;
};

} // namespace ui
