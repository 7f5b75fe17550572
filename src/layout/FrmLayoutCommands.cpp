// The layout editor's placement commands: the marked draws and leagues, a text block or the
// roster into the selected region; taking placements out, deleting the region, clearing
// the page; the fixed page texts; a new region; closing.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>


#include "layout/FrmBunshou.h"
#include "layout/EditModes.h"
#include "layout/FrmLayout.h"
#include "layout/FrmMojiretsu.h"
#include "layout/LayoutAccess.h"
#include "layout/LayoutTexts.h"
#include "layout/TypedNumbers.h"
#include "program/Program.h"

namespace qv {

namespace {

const QString kLeague = QStringLiteral("リーグ");
const QString kTournament = QStringLiteral("トーナメント");
const QString kJoui = QStringLiteral("上位");
const QString kMojiretsu = QStringLiteral("文字列");
const QString kSankasha = QStringLiteral("参加者名簿");

}  // namespace

void FrmLayout::connectCommands() {
  connect(CmdRyouiki, &QPushButton::clicked, this, &FrmLayout::CmdRyouiki_Click);
  connect(CmdSakujo, &QPushButton::clicked, this, &FrmLayout::CmdSakujo_Click);
  connect(CmdHaichi, &QPushButton::clicked, this, &FrmLayout::CmdHaichi_Click);
  connect(CmdTorikeshi, &QPushButton::clicked, this, &FrmLayout::CmdTorikeshi_Click);
  connect(CmdMojiretsu, &QPushButton::clicked, this, &FrmLayout::CmdMojiretsu_Click);
  connect(CmdSankasha, &QPushButton::clicked, this, &FrmLayout::CmdSankasha_Click);
  connect(CmdPageMoji, &QPushButton::clicked, this, &FrmLayout::CmdPageMoji_Click);
  connect(CmdClear, &QPushButton::clicked, this, &FrmLayout::CmdClear_Click);
  connect(CmdReturn, &QPushButton::clicked, this, &FrmLayout::CmdReturn_Click);
}

void FrmLayout::EnableButtons(bool b) {
  for (QPushButton* button : {CmdReturn, CmdRyouiki, CmdSakujo, CmdHaichi, CmdMojiretsu,
                              CmdTorikeshi, CmdPageMoji})
    button->setEnabled(b);
}

RyouikiRec* FrmLayout::selectedRegion() {
  // A deleted record that is still selected would take placements that never print.
  RyouikiRec* region = currentRegion();
  return region && !region->Deleted ? region : nullptr;
}

void FrmLayout::TakePage() {
  InsatsuSeigyoState& insatsu = program_.insatsu;
  InsatsuSeigyoRec& layout = insatsu.InsatsuSeigyo;
  insatsu.LayoutChanged = true;
  if (insatsu.CurrentPage == layout.PageCount) {
    layout.AppendPage();
    ShowPageCaption();
    HScPage->setMaximum(layout.PageCount);
  }
  if (PageRec* page = currentPage()) page->Selected = true;
}

void FrmLayout::ClearRegionPlacements() {
  program_.insatsu.LayoutChanged = true;
  RyouikiRec* region = currentRegion();
  if (!region) return;
  for (int k = 0; k < placementCount(*region); ++k) {
    const HaichiRec& h = region->Haichi.at(k);
    ShumokuRec* event = eventAt(program_.taikai.Taikai, h.ShumokuIdx);
    if (!event) continue;
    if (h.Kind == kLeague) event->YosenLeaguePage = 0;
    else if (h.Kind == kTournament) event->KesshouTournamentPage = 0;
    else if (h.Kind == kJoui) event->JouiTournamentPage = 0;
  }
  region->HaichiCount = 0;
  region->Haichi.assign(1, HaichiRec{});
  ShowShumokuGrid();
}

void FrmLayout::CmdRyouiki_Click() {
  DeselectRegion();
  EditMode = editmode::kCreate;
}

void FrmLayout::CmdSakujo_Click() {
  if (program_.insatsu.CurrentRyouiki < 0) return;
  ClearRegionPlacements();
  DeleteRegion();
  DrawPage();
  EditMode = editmode::kHover;
}

void FrmLayout::CmdHaichi_Click() {
  RyouikiRec* region = selectedRegion();
  if (!region) return;
  TakePage();
  region = selectedRegion();  // a new spare page may have moved the pages
  const int pageMark = program_.insatsu.CurrentPage + 1;
  TaikaiRec& taikai = program_.taikai.Taikai;
  const auto place = [&](int e, int& mark, const QString& kind, int number) {
    if (mark != 999) return;
    mark = pageMark;
    for (int i = 0; i < static_cast<int>(OptTournament.size()); ++i)
      if (OptTournament.at(i)->isChecked()) region->TournamentKeishiki = i;
    HaichiRec h;
    h.Kind = kind;
    h.ShumokuIdx = e;
    h.Number = number;
    // The array may hold spare records beyond the count (one after the page is cleared).
    const auto at = static_cast<std::size_t>(placementCount(*region));
    region->Haichi.resize(at);
    region->Haichi.push_back(h);
    AddHaichiLabel(*region, static_cast<int>(at), HaichiCaption(h, taikai));
    region->HaichiCount = static_cast<int>(at) + 1;
  };
  for (int e = 0; e < taikai.ShumokuCount; ++e) {
    ShumokuRec* event = eventAt(taikai, e);
    if (!event) break;
    place(e, event->YosenLeaguePage, kLeague, 0);
    place(e, event->KesshouTournamentPage, kTournament, 0);
    place(e, event->JouiTournamentPage, kJoui, event->JouiTournamentSize - 1);
  }
  region->BunkatsuH = SplitCount(TxtBunkatsuH->text(), 1);
  region->BunkatsuV = SplitCount(TxtBunkatsuV->text(), region->HaichiCount);
  DeselectRegion();
  ShowShumokuGrid();
  EditMode = editmode::kHover;
}

void FrmLayout::CmdTorikeshi_Click() {
  if (program_.insatsu.CurrentRyouiki < 0) return;
  ClearRegionPlacements();
  DeselectRegion();
  DrawPage();
  EditMode = editmode::kHover;
}

void FrmLayout::CmdMojiretsu_Click() {
  RyouikiRec* region = selectedRegion();
  if (!region || region->HaichiCount != 0) return;
  EnableButtons(false);
  // Closed other than with its 戻る, the phrase window made no choice.
  const bool chosen = ShowBunshouForm(program_, this);
  EnableButtons(true);
  const BunshouState& b = program_.bunshou;
  if (!chosen || b.SelBunshouText.isEmpty()) return;
  TakePage();
  region = selectedRegion();
  HaichiRec h;
  h.Kind = kMojiretsu;
  h.BunshouName = b.SelBunshouName;
  h.Moji.Lines = b.SelBunshouText.split(QStringLiteral("\r\n"));
  h.Moji.LineCount = static_cast<int>(h.Moji.Lines.size());
  h.Moji.FontName = b.SelBunshouFont;
  h.ShumokuIdx = -1;
  region->Haichi.assign(1, h);
  region->HaichiCount = 1;
  AddHaichiLabel(*region, 0, b.SelBunshouName);
}

void FrmLayout::CmdSankasha_Click() {
  RyouikiRec* region = selectedRegion();
  if (!region || region->HaichiCount != 0) return;
  TakePage();
  region = selectedRegion();
  HaichiRec h;
  h.Kind = kSankasha;
  h.BunshouName = kSankasha;
  h.ShumokuIdx = -1;
  region->Haichi.assign(1, h);
  region->HaichiCount = 1;
  AddHaichiLabel(*region, 0, kSankasha);
}

void FrmLayout::CmdPageMoji_Click() {
  EnableButtons(false);
  ShowMojiretsuForm(program_, this);
  EnableButtons(true);
}

void FrmLayout::CmdClear_Click() {
  const PageRec* page = currentPage();
  const int n = page ? regionCount(*page) : 0;
  for (int i = 0; i < n; ++i) {
    program_.insatsu.CurrentRyouiki = i;
    ClearRegionPlacements();
    DeleteRegion();
  }
  DrawPage();
  EditMode = editmode::kHover;
}

void FrmLayout::CmdReturn_Click() { Unload(); }

}  // namespace qv
