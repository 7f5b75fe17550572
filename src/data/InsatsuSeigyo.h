#pragma once
// Defaults of the page layout model and the knock-out layout labels.

#include <QString>

namespace qv {

struct Model;

// Paper A4 210 x 297 mm, margins 20/20/15/15 mm, no pages (one empty page element), no
// current region; rebuilds the printer font list. Score display, page selection and
// orientation keep their values.
void InitInsatsuSeigyo(Model& model);

// What every opening of a tournament starts from, so that a results file without a
// print-control section does not inherit the previous tournament's layout, paper or page
// texts: the defaults above and the default page phrase fields (first page number 1,
// font = the configured print font). Values from the configuration file stay.
void ResetInsatsuSeigyoForTournament(Model& model);

// "左", "左右", "２頁", "４頁", "８頁", "１６頁" for codes 0 to 5; "" for any other code.
QString GetTournamentKeishikiName(int code);

// The code of a label, compared whole and exactly; 0 for any other text.
int GetTournamentKeishikiCode(const QString& label);

}  // namespace qv
