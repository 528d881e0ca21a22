#pragma once
// The procedure frame: what every list, form, window, report and process has in common.
// A procedure is a class derived from Procedure that states its window structure and its
// record files and overrides the hooks of its own logic; `run()` does the rest:
//
//   class ShowThings : public Procedure {
//     public:
//       ShowThings() : Procedure(windows::things::mainWindow(), {&records::PLF()}) {}
//     protected:
//       void setUpRecords() override { ... read a record ... }
//       int firstControl() const override { return 3; }
//       bool takeEvent() override {
//           if (window().accepted() == 4) Call(&OtherProcedure, REQ::Select);
//           return false;
//       }
//   };
//   void ShowThings() { ShowThingsProcedure().run(); }
//
// Entry: the window instance is created, the BIND scope opened, the request taken from
// GLO::Request (both globals cleared). SetUpProcedure opens and counts the files, binds
// their fields and memos, runs setUpRecords(), opens the window and runs setUpWindow().
// The loop handles the standard window events, then hands each event to takeEvent().
// Every way out passes through FinishProcedure: files uncounted (closed at 0), finishing(),
// GLO::Response set (RESP::Cancelled for 0), BIND scope closed, window closed.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/codes.h"
#include "runtime/data/record_file.h"
#include "runtime/eval/bind_scope.h"
#include "runtime/ui/window.h"
#include "runtime/ui/window_structure.h"

// The locals every procedure keeps for its whole run; flags are 0 or 1.
struct ProcedureFrame {
    long Request = 0;
    long EntryRequest = 0;
    long Response = 0;
    long FilesInUse = 0;
    long WindowShown = 0;
    long FirstRefreshDone = 0;
    long RefreshPending = 0;
};

class Procedure {
  public:
    Procedure(const rt::WindowStructure& window, std::vector<rt::RecordFile*> files);
    virtual ~Procedure();
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;

    // Runs the procedure until it returns to its caller.
    void run();

  protected:
    // --- the procedure's own logic ---
    // Bound variables of the window other than record fields (locals, globals); nullptr
    // when `name` is not one of them.
    virtual rt::BindingPtr bindLocal(std::string_view name);
    // Names of its own for the expression evaluator, after the files' fields are bound.
    virtual void bindNames() {}
    // Before SetUpProcedure: a procedure that refuses its request ends here, with no file
    // counted and no window shown.
    virtual void beforeSetUp() {}
    // After the files are open, before the window opens (forms keep their copy here).
    virtual void setUpRecords() {}
    // After the window opened: icons, alert keys, timer, wallpaper, captions.
    virtual void setUpWindow() {}
    // The control that takes the focus on EVENT::OpenWindow (0: none).
    virtual int firstControl() const { return 0; }
    // Each event, after the frame's standard handling; answers whether it is consumed
    // (a consumed close request keeps the window open).
    virtual bool takeEvent() { return false; }
    // The procedure's own message that refuses `typed` in `control`, in place of the
    // window's (the range of a number entry); empty: the window's, or a beep.
    virtual std::string refusalOf(int /*control*/, const std::string& /*typed*/) { return {}; }
    // FinishProcedure, after the files are released and before the response is set.
    virtual void finishing() {}
    // Reports and processes take the request later, through TakeRequest().
    virtual bool takesRequestAtEntry() const { return true; }
    // The window's refresh, as the frame runs it: the first on the first EVENT::OpenWindow
    // or EVENT::GainFocus, the other on every later EVENT::GainFocus (refresh pending is
    // set first). FirstSyncWindow and SyncWindow unless the procedure refreshes more (a list
    // re-reads its page).
    virtual void firstRefreshWindow() { FirstSyncWindow(); }
    virtual void refreshWindow() { SyncWindow(); }

    // --- services of the frame ---
    rt::Window& window() { return *window_; }
    const std::vector<rt::RecordFile*>& files() const { return files_; }
    void TakeRequest();
    void SyncWindow();
    void FirstSyncWindow();
    // Ends the procedure at once; nothing after it runs inside the procedure.
    [[noreturn]] void FinishProcedure();
    void PostCloseWindow() { window_->post(EVENT::CloseWindow); }

    // Calls another procedure: sets GLO::Request (unless no request is given), calls it,
    // sets LOC.Request back to LOC.EntryRequest and redisplays the window.
    enum class Redisplay { Yes, No };
    void Call(const std::function<void()>& procedure, std::optional<long> request = std::nullopt,
              Redisplay redisplay = Redisplay::Yes);

    ProcedureFrame LOC;

  private:
    struct Ended {
        const Procedure* procedure;
    };
    void SetUpProcedure();
    void eventLoop();
    void standardEvent();
    void finish();
    void releaseFiles();
    rt::BindingPtr resolve(std::string_view name);

    const rt::WindowStructure& structure_;
    std::vector<rt::RecordFile*> files_;
    std::unique_ptr<rt::Window> window_;
    std::unique_ptr<rt::BindScopeGuard> bindScope_;
    bool finished_ = false;
};
