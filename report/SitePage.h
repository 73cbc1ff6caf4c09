// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPagedPaintDevice;
class QPainter;

namespace velmora {

struct SiteSummary;

// The site's summary as the first page of its PDF: the title, a row per
// recorder with the columns of "Сводка объекта", and the site's totals.
void paintSitePage(QPainter& painter, const QPagedPaintDevice& device, const SiteSummary& summary);

} // namespace velmora
