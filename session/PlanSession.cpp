// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanSession.h"

#include "Limits.h"
#include "Options.h"
#include "PlanFile.h"
#include "PlanTexts.h"
#include "Single.h"
#include "SiteAudit.h"
#include "TextDoor.h"

#include <QFileInfo>

#include <algorithm>

namespace velmora {

namespace {

Plan planOf(const MainForm& form, const DiskArrayForm& diskArray, const std::string& notes)
{
    Plan plan;
    static_cast<FormContents&>(plan) = form.contents();
    plan.notes = notes;
    // The disk-array dialog goes in once the user has changed something in it.
    if (diskArray.settings() != DiskArraySettings{}) plan.diskArray = diskArray.settings();
    return plan;
}

} // namespace

PlanSession::PlanSession(FormFactory makeForm, std::string decimal, FormHost& host)
    : makeForm_(std::move(makeForm)), host_(host), decimal_(std::move(decimal)), form_(makeForm_(host)),
      diskArray_(decimal_)
{
    recorders_.push_back({numberedRecorderName(1), nullptr, DiskArrayForm(decimal_), {}});
}

Plan PlanSession::plan() const
{
    return planOf(*form_, diskArray_, notes_);
}

Plan PlanSession::recorderPlan(int index) const
{
    return planOf(recorderForm(index), recorderDiskArray(index),
                  index == shown_ ? notes_ : recorder(index).notes);
}

SitePlan PlanSession::site() const
{
    SitePlan site;
    for (int i = 0; i < recorderCount(); ++i) site.recorders.push_back({recorderName(i), recorderPlan(i)});
    site.recorderShown = shown_ + 1;
    return site;
}

bool PlanSession::isModified() const
{
    return kept_ && site().recorders != kept_->recorders;
}

std::vector<std::string> PlanSession::recorderNames() const
{
    std::vector<std::string> names;
    names.reserve(recorders_.size());
    for (const Recorder& r : recorders_) names.push_back(r.name);
    return names;
}

const MainForm& PlanSession::recorderForm(int index) const
{
    return index == shown_ ? *form_ : *recorder(index).form;
}

const DiskArrayForm& PlanSession::recorderDiskArray(int index) const
{
    return index == shown_ ? diskArray_ : recorder(index).diskArray;
}

void PlanSession::park()
{
    Recorder& slot = recorder(shown_);
    slot.form = std::move(form_);
    slot.diskArray = diskArray_;
    slot.notes = std::move(notes_);
}

void PlanSession::unpark(int index)
{
    Recorder& slot = recorder(index);
    form_ = std::move(slot.form);
    diskArray_ = slot.diskArray;
    notes_ = std::move(slot.notes);
    slot.diskArray = DiskArrayForm(decimal_);
    slot.notes.clear();
    shown_ = index;
}

void PlanSession::showRecorder(int index)
{
    if (index < 0 || index >= recorderCount() || index == shown_) return;
    park();
    unpark(index);
}

PlanSession::Recorder PlanSession::startedRecorder(std::string name) const
{
    return {std::move(name), makeForm_(host_), DiskArrayForm(decimal_), {}};
}

bool PlanSession::addRecorder()
{
    if (recorderCount() >= kMaxRecorders) return false;
    recorders_.push_back(startedRecorder(freeRecorderName(recorderNames())));
    showRecorder(recorderCount() - 1);
    return true;
}

bool PlanSession::renameRecorder(int index, const std::string& name, RecorderNameProblem* why)
{
    if (index < 0 || index >= recorderCount()) return false;
    const auto first = name.find_first_not_of(' ');
    const std::string trimmed = first == std::string::npos
                                    ? std::string()
                                    : name.substr(first, name.find_last_not_of(' ') - first + 1);
    std::vector<std::string> others = recorderNames();
    others.erase(others.begin() + index);
    const RecorderNameProblem problem = recorderNameProblem(trimmed, others);
    if (why) *why = problem;
    if (problem != RecorderNameProblem::None) return false;
    recorder(index).name = trimmed;
    return true;
}

bool PlanSession::removeRecorder(int index)
{
    if (recorderCount() < 2 || index < 0 || index >= recorderCount()) return false;
    if (index == shown_) {
        const int next = index > 0 ? index - 1 : 1;
        park();
        unpark(next);
    }
    recorders_.erase(recorders_.begin() + index);
    if (shown_ > index) --shown_;
    return true;
}

bool PlanSession::recorderSetUp(int index) const
{
    return recorderForm(index).contents().channels != makeForm_(host_)->contents().channels;
}

bool PlanSession::open(const std::string& path, std::string* why)
{
    const SiteRead read = readSiteFile(QString::fromStdString(path));
    if (!read.site) {
        if (why) *why = read.error.toStdString();
        return false;
    }
    loadSite(*read.site);
    path_ = path;
    // The plan in use is what the session now holds, which is the file's plan
    // but for what opening recomputes (a refused entry's words).
    kept_ = site();
    return true;
}

void PlanSession::loadSite(const SitePlan& site)
{
    std::vector<Recorder> recorders;
    for (const SiteRecorder& r : site.recorders) {
        Recorder made = startedRecorder(r.name);
        made.form->load(r.plan);
        made.diskArray.restore(r.plan.diskArray.value_or(DiskArraySettings{}));
        made.notes = r.plan.notes;
        recorders.push_back(std::move(made));
    }
    if (recorders.empty()) return;
    recorders_ = std::move(recorders);
    shown_ = 0;
    unpark(std::clamp(site.recorderShown - 1, 0, recorderCount() - 1));
}

void PlanSession::load(const Plan& plan)
{
    auto form = makeForm_(host_);
    form->load(plan);
    form_ = std::move(form);
    diskArray_.restore(plan.diskArray.value_or(DiskArraySettings{}));
    notes_ = plan.notes;
}

bool PlanSession::saveAs(const std::string& path, std::string* why)
{
    const SitePlan now = site();
    QString reason;
    if (!writeFileWhole(QString::fromStdString(path), siteJson(now), &reason)) {
        if (why) *why = reason.toStdString();
        return false;
    }
    path_ = path;
    kept_ = now;
    return true;
}

Plan PlanSession::filledPlan(const std::vector<MeasuredCamera>& cameras) const
{
    Plan filled = plan();
    // Each channel as a user makes it in a window just started.
    filled.channels = measuredChannels(cameras, makeForm_(host_)->contents().channels.front());
    filled.channelShown = 1;
    filled.bitrateText = appliedText(cameras.front().appliedKbps);
    return filled;
}

void PlanSession::fillChannels(const std::vector<MeasuredCamera>& cameras)
{
    if (cameras.empty()) return;
    const Plan filled = filledPlan(cameras);
    // Measured channels are work that leaving would lose: a plan never saved
    // counts from here as a new plan, changed since the window as it was.
    if (!kept_) kept_ = site();
    load(filled);
}

std::vector<std::string> PlanSession::recordersOf(const std::vector<MeasuredCamera>& cameras)
{
    std::vector<std::string> names;
    for (const MeasuredCamera& c : cameras)
        if (std::find(names.begin(), names.end(), c.recorder) == names.end()) names.push_back(c.recorder);
    return names;
}

bool PlanSession::fillSite(const std::vector<MeasuredCamera>& cameras)
{
    if (cameras.empty()) return true;
    const std::vector<std::string> named = recordersOf(cameras);
    if (named.size() == 1) {
        fillChannels(cameras);
        return true;
    }
    std::vector<std::string> have = recorderNames();
    std::size_t missing = 0;
    for (const std::string& name : named)
        if (std::find(have.begin(), have.end(), name) == have.end()) ++missing;
    if (have.size() + missing > static_cast<std::size_t>(kMaxRecorders)) return false;
    if (!kept_) kept_ = site();
    // A lone recorder as a window just started has it is the list's first:
    // the site's recorders come in the list's order.
    const Plan started = planOf(*makeForm_(host_), DiskArrayForm(decimal_), {});
    if (recorderCount() == 1 && recorderPlan(0) == started) {
        recorder(0).name = named.front();
        have = recorderNames();
    }
    for (const std::string& name : named) {
        std::vector<MeasuredCamera> own;
        for (const MeasuredCamera& c : cameras)
            if (c.recorder == name) own.push_back(c);
        auto at = std::find(have.begin(), have.end(), name);
        if (at == have.end()) {
            recorders_.push_back(startedRecorder(name));
            have.push_back(name);
            at = have.end() - 1;
        }
        showRecorder(static_cast<int>(at - have.begin()));
        load(filledPlan(own));
    }
    // A recorder the list does not name that is as a window just started
    // holds nothing to keep: the site is the list's.
    for (int i = recorderCount() - 1; i >= 0 && recorderCount() > 1; --i)
        if (std::find(named.begin(), named.end(), recorderName(i)) == named.end() &&
            recorderPlan(i) == started)
            removeRecorder(i);
    const std::vector<std::string> now = recorderNames();
    showRecorder(static_cast<int>(std::find(now.begin(), now.end(), named.front()) - now.begin()));
    return true;
}

std::optional<float> PlanSession::depthWith(const std::vector<MeasuredCamera>& cameras) const
{
    if (cameras.empty()) return std::nullopt;
    return depthWithChannels(filledPlan(cameras).channels);
}

std::optional<double> PlanSession::daysWanted() const
{
    return diskArray_.fieldValue(ArrayField::TargetDays);
}

std::optional<float> PlanSession::depthWithChannels(const std::vector<PlanChannel>& channels) const
{
    return recorderDepthWithChannels(shown_, channels);
}

std::optional<float> PlanSession::recorderDepthWithChannels(int index,
                                                            const std::vector<PlanChannel>& channels) const
{
    if (channels.empty()) return std::nullopt;
    Plan with = recorderPlan(index);
    with.channels = channels;
    with.channelShown = 1;
    const auto form = makeForm_(host_);
    form->load(with);
    const double disk = form->control(Ctl::Text2).number;
    if (!(disk > 0) || !fitsSingle(disk) || !(form->totaldaily > 0)) return std::nullopt;
    return form->depthdays;
}

std::vector<RecorderToCheck> PlanSession::recordersToCheck() const
{
    std::vector<RecorderToCheck> out;
    out.reserve(recorders_.size());
    for (int i = 0; i < recorderCount(); ++i) {
        out.push_back({recorderName(i), recorderPlan(i),
                       recorderDiskArray(i).fieldValue(ArrayField::TargetDays),
                       [this, i](const std::vector<PlanChannel>& channels) {
                           return recorderDepthWithChannels(i, channels);
                       }});
    }
    return out;
}

bool PlanSession::fillSiteLoses(const std::vector<MeasuredCamera>& cameras) const
{
    const std::vector<std::string> named = recordersOf(cameras);
    if (named.size() <= 1) return fillLoses();
    if (isModified()) return true;
    for (int i = 0; i < recorderCount(); ++i)
        if (std::find(named.begin(), named.end(), recorderName(i)) != named.end() && recorderSetUp(i))
            return true;
    return false;
}

PlanSession::ChannelShown PlanSession::channelShown() const
{
    const auto c = static_cast<std::size_t>(form_->curchannel);
    return {form_->curchannel, form_->ch.chbitrate[c], form_->ch.chmanual[c] != 0};
}

void PlanSession::applyMeasuredRate(double appliedKbps)
{
    form_->userEdit(Ctl::Text1, appliedText(appliedKbps));
}

bool PlanSession::fillLoses() const
{
    if (isModified()) return true;
    const auto started = makeForm_(host_);
    return form_->contents().channels != started->contents().channels;
}

void PlanSession::applyDiskSize(const std::string& size)
{
    form_->userEdit(Ctl::Text2, size);
    form_->userSelect(Ctl::Combo5, kTerabyteUnit);
}

void PlanSession::updateDiskArray()
{
    diskArray_.setWindowFigures(form_->totaldaily, form_->totalbitrate / kUnitStep,
                                form_->control(Ctl::Label35).text);
}

std::optional<std::string> PlanSession::leaveQuestion() const
{
    if (!isModified()) return std::nullopt;
    if (path_.empty()) return std::string(plantexts::kSaveNewPlan);
    const QString name = QFileInfo(QString::fromStdString(path_)).completeBaseName();
    return qtText(plantexts::kSaveChanges).arg(name).toStdString();
}

} // namespace velmora
