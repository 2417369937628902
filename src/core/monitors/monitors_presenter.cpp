#include "monitors/monitors_presenter.h"

#include <utility>

namespace vnovla::monitors {

MonitorsPresenter::MonitorsPresenter(platform::SystemReadings& readings, MonitorsView& view,
                                     std::string separator)
    : readings_(readings), view_(view), separator_(std::move(separator))
{
    // Room for the longest tooltip, so that no tick has to grow a string.
    text_.reserve(256);
    for (Shown& shown : shown_)
        shown.tooltip.reserve(256);
}

void MonitorsPresenter::start()
{
    for (Gauge gauge : {Gauge::System, Gauge::Gdi, Gauge::User}) {
        text_.assign(kResourceMeterMissing);
        showTooltip(gauge);
    }
    tick();
}

void MonitorsPresenter::tick()
{
    tickCpu();
    tickMemory();
    tickDrive();
}

void MonitorsPresenter::setTag(Gauge gauge, std::string tag)
{
    tags_[indexOf(gauge)] = std::move(tag);
}

void MonitorsPresenter::tickCpu()
{
    const std::int32_t load = readings_.GetCpuBurdenPer();
    cpuTooltip(text_, load);
    showTooltip(Gauge::Cpu);
    show(Gauge::Cpu, load);
}

void MonitorsPresenter::tickMemory()
{
    const platform::MemoryStatus status = readings_.memoryStatus();
    const std::int32_t physical = roundHalfEven(usedShare(
        static_cast<double>(status.availablePhysical), static_cast<double>(status.totalPhysical)));
    physicalTooltip(text_, status.totalPhysical, status.availablePhysical, physical, separator_);
    showTooltip(Gauge::Physical);
    show(Gauge::Physical, physical);

    const std::int32_t virtualUse = roundHalfEven(usedShare(
        static_cast<double>(status.availableVirtual), static_cast<double>(status.totalVirtual)));
    virtualTooltip(text_, status.totalVirtual, status.availableVirtual, virtualUse, separator_);
    showTooltip(Gauge::Virtual);
    show(Gauge::Virtual, virtualUse);
}

void MonitorsPresenter::tickDrive()
{
    const std::int64_t total = readings_.GetDiskSpace(drive_.path, platform::DiskSpaceKind::Total);
    const std::int64_t free =
        readings_.GetDiskSpace(drive_.path, platform::DiskSpaceKind::FreeToCaller);
    std::int32_t percent = 0;
    // A failed query (a drive gone since it was listed) leaves an empty bar and the last
    // tooltip; so does an answer no file system can give.
    if (total >= 0 && free >= 0) {
        percent = roundHalfEven(usedShare(static_cast<double>(free), static_cast<double>(total)));
        driveTooltip(text_, drive_.label, total, free, separator_);
        showTooltip(Gauge::Drive);
    }
    show(Gauge::Drive, percent);
}

std::uint32_t MonitorsPresenter::background(Gauge gauge) const
{
    return tagColour(tags_[indexOf(gauge)], defaultColours(gauge).background);
}

void MonitorsPresenter::show(Gauge gauge, std::int32_t percent)
{
    Shown& shown = shown_[indexOf(gauge)];
    const std::uint32_t colour = background(gauge);
    if (shown.drawn && shown.percent == percent && shown.background == colour)
        return;
    shown.drawn = true;
    shown.percent = percent;
    shown.background = colour;
    view_.setGaugeBar(gauge, percent, colour);
}

void MonitorsPresenter::showTooltip(Gauge gauge)
{
    Shown& shown = shown_[indexOf(gauge)];
    if (shown.tooltip == text_)
        return;
    shown.tooltip = text_;
    view_.setGaugeTooltip(gauge, shown.tooltip);
}

void MonitorsPresenter::PicDrive_DblClick()
{
    listed_ = readings_.drives();
    std::vector<std::string> labels;
    labels.reserve(listed_.size());
    int selected = -1;
    for (const platform::Drive& listed : listed_) {
        if (listed.path == drive_.path)
            selected = static_cast<int>(labels.size());
        labels.push_back(listed.label);
    }
    // A drive that went away since it was chosen is still the one measured; the list shows it
    // so that the user sees what the gauge reads.
    if (selected < 0) {
        selected = static_cast<int>(labels.size());
        labels.push_back(drive_.label);
        listed_.push_back(drive_);
    }
    view_.showDriveList(labels, selected);
}

void MonitorsPresenter::Drive1_Change(int row)
{
    if (row >= 0 && static_cast<std::size_t>(row) < listed_.size())
        drive_ = listed_[static_cast<std::size_t>(row)];
    view_.hideDriveList();
}

} // namespace vnovla::monitors
