#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "WizardController.h"

/// A face that records what the controller shows and asks, and starts fake children.
class FakeFace : public wizard::WizardFace {
public:
    /// A started child: its items and run; ended is set by the test when it reports the end.
    struct Child {
        std::vector<std::string> items;
        int run = 0;
        bool ended = false;
    };

    void showText(wizard::Field field, const std::string& text) override;
    void markPath(wizard::Field field, wizard::PathMark mark) override { marks[field] = mark; }
    void enableControl(int id, bool enabled) override { this->enabled[id] = enabled; }
    void showButtons(const wizard::ButtonStates& states) override { buttons = states; }
    void setLog(const std::string& text) override { log = text; }
    void appendToLog(const std::string& text) override { log += text; }
    void appendOutput(const std::string& bytes) override { log += bytes; }
    void endOutput() override { ++outputEnds; }
    std::string browse(const wizard::BrowseRequest& request) override;
    void showFailureBox() override;
    void closeWizard() override { ++closes; }
    std::unique_ptr<wizard::ConverterChild> startChild(const std::vector<std::string>& items,
                                                       int run) override;

    /// The controller under test, on host; start() is called by the test.
    wizard::WizardController* controller = nullptr;
    FakeHost* host = nullptr;

    std::map<wizard::Field, std::string> texts; ///< what showText put into each field
    std::map<wizard::Field, wizard::PathMark> marks;
    std::map<int, bool> enabled; ///< each control's latest state, by its id
    wizard::ButtonStates buttons;
    std::string log;
    std::vector<wizard::BrowseRequest> requests;
    std::vector<std::string> answers; ///< taken from the front; empty is a cancel
    /// The bytes of settings.txt as each failure box showed; "-" when there was none.
    std::vector<std::string> boxes;
    int closes = 0;
    int outputEnds = 0;
    bool childrenStart = true;
    std::vector<std::shared_ptr<Child>> children;
    /// "start N" for each child started as run N, "kill N" when the controller lets it go
    /// while it still runs; in the order they happened.
    std::vector<std::string> events;
};

/// A controller on a fake host and face whose host holds the typical paths: C:\ws\app.cws,
/// the default install folder, C:\out, "C:\my out", personalities C:\p\m.p_s, a.p_a, cc.p_c.
struct ControllerFixture {
    explicit ControllerFixture(const std::string& settings = {});

    /// The first page filled, Next pressed up to the summary; false when a Next is disabled.
    bool toSummary(const std::string& destination = "C:\\out", const std::string& name = "app");
    /// Finish from the summary, then the latest child's output and end as given.
    void runWith(const std::vector<std::string>& chunks, bool endedNormally, int status);
    /// The bytes of settings.txt; "-" when it was never written.
    std::string settings();

    FakeHost host;
    FakeFace face;
    wizard::WizardController controller{host, face};
};
