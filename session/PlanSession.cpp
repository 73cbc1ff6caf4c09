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

namespace velmora {

PlanSession::PlanSession(FormFactory makeForm, std::string decimal, FormHost& host)
    : makeForm_(std::move(makeForm)), host_(host), form_(makeForm_(host)), diskArray_(std::move(decimal))
{
}

Plan PlanSession::plan() const
{
    Plan plan;
    static_cast<FormContents&>(plan) = form_->contents();
    plan.notes = notes_;
    // The disk-array dialog goes in once the user has changed something in it.
    if (diskArray_.settings() != DiskArraySettings{}) plan.diskArray = diskArray_.settings();
    return plan;
}

bool PlanSession::isModified() const
{
    return kept_ && plan() != *kept_;
}

bool PlanSession::open(const std::string& path, std::string* why)
{
    const PlanRead read = readPlanFile(QString::fromStdString(path));
    if (!read.plan) {
        if (why) *why = read.error.toStdString();
        return false;
    }
    load(*read.plan);
    path_ = path;
    // The plan in use is what the session now holds, which is the file's plan
    // but for what opening recomputes (a refused entry's words).
    kept_ = plan();
    return true;
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
    const Plan now = plan();
    QString reason;
    if (!writeFileWhole(QString::fromStdString(path), planJson(now), &reason)) {
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
    if (!kept_) kept_ = plan();
    load(filled);
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
    if (channels.empty()) return std::nullopt;
    Plan with = plan();
    with.channels = channels;
    with.channelShown = 1;
    const auto form = makeForm_(host_);
    form->load(with);
    const double disk = form->control(Ctl::Text2).number;
    if (!(disk > 0) || !fitsSingle(disk) || !(form->totaldaily > 0)) return std::nullopt;
    return form->depthdays;
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
