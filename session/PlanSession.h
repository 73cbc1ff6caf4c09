// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiskArrayForm.h"
#include "FormHost.h"
#include "MainForm.h"
#include "Plan.h"
#include "SiteCheck.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The plan being edited: the main window's form, the disk-array dialog's
// fields, the report's notes, the file the plan is kept in and the plan as
// last saved or opened. The window shows it, the command line's exports and
// the driver work on it the same way. No toolkit in its interface: paths and
// messages are UTF-8, and the window asks the user and hands the answers in.
class PlanSession {
public:
    // Makes a form in its start state that asks `host` its questions.
    using FormFactory = std::function<std::unique_ptr<MainForm>(FormHost&)>;

    PlanSession(FormFactory makeForm, std::string decimal, FormHost& host);

    MainForm& form() { return *form_; }
    const MainForm& form() const { return *form_; }
    DiskArrayForm& diskArray() { return diskArray_; }
    const DiskArrayForm& diskArray() const { return diskArray_; }
    const std::string& notes() const { return notes_; }
    void setNotes(std::string notes) { notes_ = std::move(notes); }

    // The file of the plan in use, empty before any plan was saved or opened.
    const std::string& path() const { return path_; }
    // The plan of the recorder shown as it stands now.
    Plan plan() const;
    // The whole site: every recorder's plan, the one shown marked.
    SitePlan site() const;
    // The site differs from the one last saved or opened (which recorder is
    // shown aside); never before there was one, but for channels filled from
    // measured cameras.
    bool isModified() const;

    // The site's recorders. The form, the disk-array dialog's fields and the
    // notes above are the recorder shown; the others keep theirs as they were
    // left, every figure and field with them.
    int recorderCount() const { return static_cast<int>(recorders_.size()); }
    int recorderShown() const { return shown_; } // 0-based
    const std::string& recorderName(int index) const
    {
        return recorders_.at(static_cast<std::size_t>(index)).name;
    }
    std::vector<std::string> recorderNames() const;
    // A recorder's form and disk-array fields, the shown one's among them.
    const MainForm& recorderForm(int index) const;
    const DiskArrayForm& recorderDiskArray(int index) const;
    const std::string& recorderNotes(int index) const
    {
        return index == shown_ ? notes_ : recorder(index).notes;
    }
    void showRecorder(int index);
    // A recorder as a window just started has it, named "Регистратор N",
    // after the last, and shown; false when the site has kMaxRecorders.
    bool addRecorder();
    // Names a recorder: false, with the reason, when the name cannot be
    // (recorderNameProblem()); blanks at the ends are left out.
    bool renameRecorder(int index, const std::string& name, RecorderNameProblem* why);
    // Removes a recorder, never the only one; the one before it is shown
    // when it was the one shown.
    bool removeRecorder(int index);
    // The recorder has channels other than the one a window just started has.
    bool recorderSetUp(int index) const;

    // Opening and saving: true, or false with the reason (one sentence) in
    // `why`. Opening reads and checks the whole file before anything changes;
    // a plan refused leaves the session as it was. Saving writes the file
    // whole or not at all, and the saved plan becomes the plan in use.
    bool open(const std::string& path, std::string* why);
    // Opening without the file: a plan that passed the reader's checks takes
    // the place of the recorder shown: its form, the dialog's fields and the notes.
    void load(const Plan& plan);
    // A site that passed the reader's checks takes the place of the site.
    void loadSite(const SitePlan& site);
    bool saveAs(const std::string& path, std::string* why);

    // The channels give way to the channels the cameras become
    // (measuredChannels()), the first one shown. The period, the disk size,
    // the notes and the disk-array dialog stay. One to kMaxChannels cameras.
    void fillChannels(const std::vector<MeasuredCamera>& cameras);
    // A site's cameras fill the recorders their list names: each recorder of
    // that name (made, after the last, where the site has none) gets its
    // cameras as fillChannels() gives them; recorders the list does not name
    // stay as they are, and the first recorder filled is shown. Cameras all
    // of one recorder fill the recorder shown, whatever its name. False, and
    // nothing changes, where the site would have more than kMaxRecorders.
    bool fillSite(const std::vector<MeasuredCamera>& cameras);
    // The recorders a site's cameras name, in the order they first come.
    static std::vector<std::string> recordersOf(const std::vector<MeasuredCamera>& cameras);
    // The days the plan's disk would hold with its channels given way to
    // these cameras', by the window's own arithmetic; none where the window
    // would show no depth (no disk size, no camera, a day total of nothing).
    std::optional<float> depthWith(const std::vector<MeasuredCamera>& cameras) const;
    // The same with the plan's channels given way to these.
    std::optional<float> depthWithChannels(const std::vector<PlanChannel>& channels) const;
    // The same for a recorder of the site (0-based).
    std::optional<float> recorderDepthWithChannels(int index, const std::vector<PlanChannel>& channels) const;
    // The days the plan's disk-array dialog wants ("Нужная глубина архива");
    // none where the plan does not set them.
    std::optional<double> daysWanted() const;
    // Every recorder as the check against a site's list reads it, by its
    // own disk, disk array and days wanted. The session must outlive them.
    std::vector<RecorderToCheck> recordersToCheck() const;
    // Whether filling would lose something: changes not saved, or channels
    // other than the one a window just started has.
    bool fillLoses() const;
    // The same for fillSite(): changes not saved, or a recorder it fills
    // that has channels set up.
    bool fillSiteLoses(const std::vector<MeasuredCamera>& cameras) const;

    // The disk-array dialog's "Применить": `size` goes into the disk-size
    // field as if typed there, and the unit becomes "Тбайт", so that the
    // depth, its day word and the report follow through the form's handlers.
    void applyDiskSize(const std::string& size);
    // The disk-array dialog's fields follow the form's day total, total
    // stream and the day word of its depth.
    void updateDiskArray();

    // The channel shown, as the measuring dialog compares it.
    struct ChannelShown {
        int number = 1;
        float bitrate = 0; // kbit/s
        bool handTyped = false;
    };
    ChannelShown channelShown() const;
    // The measuring dialog's "Применить": the rate typed into the bitrate
    // field as appliedText() writes it, as a user types it, so the channel is
    // hand-typed and every figure follows.
    void applyMeasuredRate(double appliedKbps);

    // Before the plan in use is left (another plan opened, the window
    // closed): the question to ask, or none when nothing would be lost.
    std::optional<std::string> leaveQuestion() const;

private:
    // The plan with its channels given way to the cameras'.
    Plan filledPlan(const std::vector<MeasuredCamera>& cameras) const;
    // A recorder's own state; the shown one's lives in form_, diskArray_ and
    // notes_ (the disk-array dialog holds diskArray_ itself), and its slot
    // here keeps only the name meanwhile.
    struct Recorder {
        std::string name;
        std::unique_ptr<MainForm> form;
        DiskArrayForm diskArray;
        std::string notes;
    };
    Recorder& recorder(int index) { return recorders_.at(static_cast<std::size_t>(index)); }
    const Recorder& recorder(int index) const { return recorders_.at(static_cast<std::size_t>(index)); }
    // Moves the shown recorder's state into its slot and back out of it.
    void park();
    void unpark(int index);
    Plan recorderPlan(int index) const;
    Recorder startedRecorder(std::string name) const;

    FormFactory makeForm_;
    FormHost& host_;
    std::string decimal_;
    std::unique_ptr<MainForm> form_;
    DiskArrayForm diskArray_;
    std::string notes_;
    std::vector<Recorder> recorders_;
    int shown_ = 0;
    std::string path_;
    std::optional<SitePlan> kept_; // as last saved or opened
};

// A host for a form that is never shown: no question is ever answered Yes,
// no window opens.
class QuietHost : public FormHost {
public:
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    void showReport() override {}
    void showAbout() override {}
};

} // namespace velmora
