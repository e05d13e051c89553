#include "FakeFace.h"

namespace {

class FakeChild : public wizard::ConverterChild {
public:
    FakeChild(std::shared_ptr<FakeFace::Child> child, std::vector<std::string>& events)
        : child(std::move(child)), events(events) {}
    ~FakeChild() override {
        if (!child->ended)
            events.push_back("kill " + std::to_string(child->run));
    }

private:
    std::shared_ptr<FakeFace::Child> child;
    std::vector<std::string>& events;
};

} // namespace

void FakeFace::showText(wizard::Field field, const std::string& text) {
    texts[field] = text;
    // A widget reports the new text back, as it does for the user's typing.
    controller->textChanged(field, text);
}

std::string FakeFace::browse(const wizard::BrowseRequest& request) {
    requests.push_back(request);
    if (answers.empty())
        return {};
    const std::string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

void FakeFace::showFailureBox() {
    boxes.push_back(host->isFile("C:\\settings.txt") ? host->fileBytes("C:\\settings.txt") : "-");
}

std::unique_ptr<wizard::ConverterChild> FakeFace::startChild(const std::vector<std::string>& items,
                                                             int run) {
    if (!childrenStart)
        return nullptr;
    children.push_back(std::make_shared<Child>(Child{items, run}));
    events.push_back("start " + std::to_string(run));
    return std::make_unique<FakeChild>(children.back(), events);
}

ControllerFixture::ControllerFixture(const std::string& settings) {
    host.addFile("C:\\ws\\app.cws", "");
    host.addFolder("C:\\Program Files\\National Instruments\\CVI85");
    host.addFolder("C:\\out");
    host.addFolder("C:\\my out");
    for (const char* personality : {"C:\\p\\m.p_s", "C:\\p\\a.p_a", "C:\\p\\cc.p_c"})
        host.addFile(personality, "");
    if (!settings.empty())
        host.addFile("C:\\settings.txt", settings);
    face.controller = &controller;
    face.host = &host;
    controller.start();
}

bool ControllerFixture::toSummary(const std::string& destination, const std::string& name) {
    controller.textChanged(wizard::Field::Workspace, "C:\\ws\\app.cws");
    controller.textChanged(wizard::Field::Destination, destination);
    controller.textChanged(wizard::Field::ProjectName, name);
    while (controller.buttons().page < 3) {
        if (!controller.buttons().next())
            return false;
        controller.next();
    }
    return true;
}

void ControllerFixture::runWith(const std::vector<std::string>& chunks, bool endedNormally,
                                int status) {
    controller.finish();
    const int run = face.children.back()->run;
    for (const std::string& chunk : chunks)
        controller.childOutput(run, chunk);
    face.children.back()->ended = true;
    controller.childEnded(run, endedNormally, status);
}

std::string ControllerFixture::settings() {
    return host.isFile("C:\\settings.txt") ? host.fileBytes("C:\\settings.txt") : "-";
}
