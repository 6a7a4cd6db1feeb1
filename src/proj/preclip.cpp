// Lat/long preclipping: cuts polylines and polygons at the edge of what a
// projection can show, and delivers a shifted copy of objects that cross the
// edge of the map. Works on degrees only; never projects.
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

#include "frame/report.h"
#include "qvproj/proj.h"

namespace QVProj {
namespace {

static constexpr const char* kUnit = "qvPClip";

// Bisection stops when the inside and outside ends are this close (degrees).
constexpr double kCrossingTolerance = 0.001;

#pragma pack(push, 1)
struct Segment {
    PROJPOINT start;
    PROJPOINT end;
    uint8_t startVisible;
    uint8_t endVisible;
};
#pragma pack(pop)
static_assert(sizeof(Segment) == 34, "a segment is two points and two flags");

using SegmentList = std::vector<Segment>;

enum class Class { Inside, Outside, Entering, Leaving, Failed };

bool InRange(const PROJPOINT& p) {
    return p.x >= -360.0 && p.x <= 360.0 && p.y >= -90.0 && p.y <= 90.0;
}

// Classifies a segment; for a crossing segment, *pCrossing receives the last
// inside point of the bisection.
Class Classify(HPROJ hProj, const Segment& s, PROJPOINT* pCrossing) {
    if (!InRange(s.start) || !InRange(s.end)) return Class::Failed;
    const bool startIn = ProjLLInProjection(hProj, &s.start);
    const bool endIn = ProjLLInProjection(hProj, &s.end);
    if (startIn && endIn) return Class::Inside;
    if (!startIn && !endIn) return Class::Outside;

    PROJPOINT in = startIn ? s.start : s.end;
    PROJPOINT out = startIn ? s.end : s.start;
    do {
        PROJPOINT mid{in.x + (out.x - in.x) / 2.0, in.y + (out.y - in.y) / 2.0};
        if (ProjLLInProjection(hProj, &mid))
            in = mid;
        else
            out = mid;
    } while (!(std::fabs(out.x - in.x) <= kCrossingTolerance &&
               std::fabs(out.y - in.y) <= kCrossingTolerance));
    *pCrossing = in;
    return startIn ? Class::Leaving : Class::Entering;
}

// Replaces crossing segments by their inside and outside pieces and clears
// the flags of outside segments.
bool Split(HPROJ hProj, SegmentList& list) {
    SegmentList out;
    out.reserve(list.size() + 16);
    for (const Segment& s : list) {
        PROJPOINT c{};
        switch (Classify(hProj, s, &c)) {
        case Class::Inside:
            out.push_back(s);
            break;
        case Class::Outside:
            out.push_back({s.start, s.end, 0, 0});
            break;
        case Class::Entering:
            out.push_back({s.start, c, 0, 1});
            out.push_back({c, s.end, 1, 1});
            break;
        case Class::Leaving:
            out.push_back({s.start, c, 1, 1});
            out.push_back({c, s.end, 1, 0});
            break;
        case Class::Failed:
            return false;
        }
    }
    list.swap(out);
    return true;
}

bool Visible(const Segment& s) {
    return s.startVisible == 1 && s.endVisible == 1;
}

SegmentList MakeSegments(const PROJPOINT* pPts, int nPts) {
    SegmentList list;
    list.reserve(static_cast<size_t>(nPts - 1));
    for (int i = 0; i + 1 < nPts; ++i) list.push_back({pPts[i], pPts[i + 1], 1, 1});
    return list;
}

bool PolylinePass(HPROJ hProj, unsigned long hostValue, int nPts, const PROJPOINT* pPts,
                  PROJLINECALLBACK pLineFunc) {
    if (hProj == nullptr || nPts < 2 || pPts == nullptr || pLineFunc == nullptr) {
        QV_REPORT(QVERR_BAD_PARAMETER);
        return false;
    }
    SegmentList list = MakeSegments(pPts, nPts);
    if (!Split(hProj, list)) return false;

    std::vector<PROJPOINT> run;
    size_t i = 0;
    while (i < list.size()) {
        if (!Visible(list[i])) {
            ++i;
            continue;
        }
        run.clear();
        run.push_back(list[i].start);
        while (i < list.size() && Visible(list[i])) run.push_back(list[i++].end);
        if (!pLineFunc(hostValue, static_cast<int>(run.size()), run.data())) return false;
    }
    return true;
}

bool SamePoint(const PROJPOINT& a, const PROJPOINT& b) {
    return a.x == b.x && a.y == b.y;
}

bool PolygonPass(HPROJ hProj, unsigned long hostValue, int nParts, const int* pPartCounts,
                 const PROJPOINT* pPts, PROJAREACALLBACK pAreaFunc, PROJLINECALLBACK pLineFunc) {
    if (hProj == nullptr || nParts < 1 || pPartCounts == nullptr || pPts == nullptr ||
        pAreaFunc == nullptr) {
        QV_REPORT(QVERR_BAD_PARAMETER);
        return false;
    }
    std::vector<PROJPOINT> points;
    std::vector<int> counts;
    const PROJPOINT* part = pPts;
    for (int p = 0; p < nParts; ++p) {
        const int n = pPartCounts[p];
        // A ring needs at least three points; shorter parts fail the pass.
        if (n < 3) return false;
        SegmentList list = MakeSegments(part, n);
        part += n;
        if (!Split(hProj, list)) return false;
        size_t visible = 0;
        for (const Segment& s : list) visible += Visible(s) ? 1 : 0;
        if (visible < 3) continue;
        const size_t first = points.size();
        for (const Segment& s : list) {
            if (!Visible(s)) continue;
            for (const PROJPOINT& q : {s.start, s.end})
                if (points.size() == first || !SamePoint(points.back(), q)) points.push_back(q);
        }
        counts.push_back(static_cast<int>(points.size() - first));
    }
    if (!counts.empty() && counts[0] > 2) {
        if (!pAreaFunc(hostValue, static_cast<int>(counts.size()), counts.data(), points.data()))
            return false;
    }
    if (pLineFunc != nullptr) {
        part = pPts;
        for (int p = 0; p < nParts; ++p) {
            if (!PolylinePass(hProj, hostValue, pPartCounts[p], part, pLineFunc)) return false;
            part += pPartCounts[p];
        }
    }
    return true;
}

std::vector<PROJPOINT> Shifted(const PROJPOINT* pPts, size_t n, double dLon, double dLat) {
    std::vector<PROJPOINT> copy(pPts, pPts + n);
    for (PROJPOINT& p : copy) {
        p.x += dLon;
        p.y += dLat;
    }
    return copy;
}

bool PreclipPolyline(HPROJ hProj, unsigned long hostValue, int nPts, const PROJPOINT* pPts,
                     PROJLINECALLBACK pLineFunc) {
    // The pass checks the arguments and reports bad ones.
    if (!PolylinePass(hProj, hostValue, nPts, pPts, pLineFunc)) return false;
    double dLon = 0.0, dLat = 0.0;
    if (!ProjLLOffsetSplitObject(hProj, pPts, static_cast<unsigned int>(nPts), &dLon, &dLat))
        return true;
    std::vector<PROJPOINT> copy = Shifted(pPts, static_cast<size_t>(nPts), dLon, dLat);
    return PolylinePass(hProj, hostValue, nPts, copy.data(), pLineFunc);
}

bool PreclipPolygon(HPROJ hProj, unsigned long hostValue, int nParts, const int* pPartCounts,
                    const PROJPOINT* pPts, PROJAREACALLBACK pAreaFunc, PROJLINECALLBACK pLineFunc) {
    // The pass checks the arguments (every part has at least 2 points after it).
    if (!PolygonPass(hProj, hostValue, nParts, pPartCounts, pPts, pAreaFunc, pLineFunc))
        return false;

    bool split = false;
    double dLon = 0.0, dLat = 0.0;
    size_t total = 0;
    for (int p = 0; p < nParts; ++p) {
        double partLon = 0.0, partLat = 0.0;
        if (ProjLLOffsetSplitObject(hProj, pPts + total, static_cast<unsigned int>(pPartCounts[p]),
                                    &partLon, &partLat)) {
            split = true;
            dLon = partLon;
            dLat = partLat;
        }
        total += static_cast<size_t>(pPartCounts[p]);
    }
    if (!split) return true;
    std::vector<PROJPOINT> copy = Shifted(pPts, total, dLon, dLat);
    return PolygonPass(hProj, hostValue, nParts, pPartCounts, copy.data(), pAreaFunc, pLineFunc);
}

} // namespace

bool ProjLLPreclipPolyline(HPROJ hProj, unsigned long hostValue, int nPts, const PROJPOINT* pPts,
                           PROJLINECALLBACK pLineFunc) {
    try {
        return PreclipPolyline(hProj, hostValue, nPts, pPts, pLineFunc);
    } catch (const std::bad_alloc&) {
        QV_REPORT(QVERR_MEMORY);
        return false;
    }
}

bool ProjLLPreclipPolygon(HPROJ hProj, unsigned long hostValue, int nParts, const int* pPartCounts,
                          const PROJPOINT* pPts, PROJAREACALLBACK pAreaFunc,
                          PROJLINECALLBACK pLineFunc) {
    try {
        return PreclipPolygon(hProj, hostValue, nParts, pPartCounts, pPts, pAreaFunc, pLineFunc);
    } catch (const std::bad_alloc&) {
        QV_REPORT(QVERR_MEMORY);
        return false;
    }
}

bool CProjector::LLPreclipPolyline(unsigned long hostValue, int nPts, const PROJPOINT* pPts,
                                   PROJLINECALLBACK pLineFunc) const {
    return ProjLLPreclipPolyline(m_hProj, hostValue, nPts, pPts, pLineFunc);
}

bool CProjector::LLPreclipPolygon(unsigned long hostValue, int nParts, const int* pPartCounts,
                                  const PROJPOINT* pPts, PROJAREACALLBACK pAreaFunc,
                                  PROJLINECALLBACK pLineFunc) const {
    return ProjLLPreclipPolygon(m_hProj, hostValue, nParts, pPartCounts, pPts, pAreaFunc,
                                pLineFunc);
}

} // namespace QVProj
