#pragma once
// The five example problems that Use Template generates into a document: N queens, the
// travelling salesman, staff scheduling in two forms, and bin packing in two forms. Each empties
// the document, then builds its domains, variables, constants and constraints (texts in the
// modelling language, lines ending "\r\n") and, where the example has one, sets the title.

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/templates/CSchedule.hpp"

namespace TavDialogs {

// The salesman's journey options, as the journey dialog hands them back.
struct TSPOptions {
    int routeLimit = 1;           // the total distance must stay below this
    bool specifyStartCity = true; // the tour starts at `startCity`
    int startCity = 1;
};

// Constant Queens = n, domain Column = [0, Queens-1], array Row[Queens], one Forall constraint.
void BuildQueensProblem(TavWorkbench::CTavDoc& doc, int queens);

// d(1,2) + d(1,3) + ... + d(1,cities): the route limit the journey dialog starts with.
int DefaultRouteLimit(const TavWorkbench::GridMap& distances, int cities);

// A tour through `cities` cities over the document's distances: City[p] is the city at position
// p, Dist[p] the distance from it to the next position's city (the last links back to the
// first). A pair of cities with no stored distance gets distance 0, outside Dist's domain, so
// the tour never takes that step.
void BuildSalesmanProblem(TavWorkbench::CTavDoc& doc, int cities, const TSPOptions& options);

// StaffsSpan[d] is the shift (0 free) member s works on day d; the demand of shift k on day
// column d (from 1) is the document's stored demand, 3 where none is stored.
void BuildNurseProblem(TavWorkbench::CTavDoc& doc, const CSchedule& schedule);

// Shiftk[d] is the set of members working shift k on day d.
void BuildNurseSetProblem(TavWorkbench::CTavDoc& doc, const CSchedule& schedule);

// Three kinds of objects (8, 5 and 5 of them) in four bins of capacities 4, 4, 5, 5; kinds 1
// and 3, and kinds 1 and 2, never share a bin.
void BuildBinProblem(TavWorkbench::CTavDoc& doc);
// The same with one set of objects per kind and bin.
void BuildBinSetProblem(TavWorkbench::CTavDoc& doc);

// The demand the nurse templates read for shift k on day column d (from 1).
int TemplateDemand(const TavWorkbench::GridMap& map, int shift, int dayColumn);

} // namespace TavDialogs
