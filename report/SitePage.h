// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPagedPaintDevice;
class QPainter;
class QString;

namespace velmora {

struct SiteSummary;

// The site's summary as the first page of its PDF: the title, a row per
// recorder with the columns of "Сводка объекта", and the site's totals.
void paintSitePage(QPainter& painter, const QPagedPaintDevice& device, const SiteSummary& summary);
// Above a recorder's report page of a site, in the page's top margin: whose page it is.
void paintRecorderHeading(QPainter& painter, const QPagedPaintDevice& device, const QString& name);

} // namespace velmora
