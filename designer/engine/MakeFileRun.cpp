#include "designer/engine/GridDesigner.h"
#include "designer/engine/OnScopeExit.h"

// Writing the grid settings file: the one grid of the custom mode, or the stages the
// full-auto mode lays out one by one.
namespace crossword {

namespace {

// The file takes its final name once it holds a stage; until then the older file stays.
void KeepStagesWritten(GridSettingsWriter& writer) {
  if (writer.StagesWritten() > 0) writer.Commit();
}

}  // namespace

int AutoSettings::StageNmbAuto() const {
  switch (MakeStageNmbAuto) {
    case 2:
      return 10;
    case 3:
      return 20;
    case 4:
      return CrossStageNmbAuto;
    default:
      return 1;
  }
}

void AutoSettings::InitAuto(int index) {
  const AutoSettings defaults;
  if (index == 1) {
    MasSizePatternAuto = defaults.MasSizePatternAuto;
    MasSizeCustomAuto = defaults.MasSizeCustomAuto;
    ResetMasSize = defaults.ResetMasSize;
    MasBarPatternAuto = defaults.MasBarPatternAuto;
    ResetMasBarPattern = defaults.ResetMasBarPattern;
    ShortestAnswerAuto = defaults.ShortestAnswerAuto;
  } else {
    MakeStageNmbAuto = defaults.MakeStageNmbAuto;
    CrossStageNmbAuto = defaults.CrossStageNmbAuto;
  }
}

int GridDesigner::RunMakeFile() {
  const bool fullAuto = MakeMode == MakeModeFullAuto;
  if (fullAuto) {
    Show(DesignerLabel::lblInfoNowMakingStage,
         "作成総数　# " + std::to_string(Auto.StageNmbAuto()));
  }
  observer_.ShowProgress(4, true);
  const OnScopeExit stopProgress([this] { observer_.ShowProgress(4, false); });
  GridSettingsWriter writer(MakeFileDir + MakeFileName);
  if (fullAuto) return MakeStagesAuto(writer);
  WriteGridHeader(writer);
  writer.WriteGridStage(1, CrossMas);
  writer.Commit();
  return 1;
}

void GridDesigner::WriteGridHeader(GridSettingsWriter& writer) {
  const int pattern = Auto.MasSizePatternAuto;
  const bool patternChosen = pattern >= 1 && pattern <= MasSizePatternCustom;
  writer.WriteGridHeader({DicPath, DicFileName, EmbedChrFlagOf(CrossMas),
                          MakeMode == MakeModeFullAuto && patternChosen ? pattern : 0});
}

int GridDesigner::MakeStagesAuto(GridSettingsWriter& writer) {
  // A new size always needs new walls.
  if (Auto.ResetMasSize) Auto.ResetMasBarPattern = true;
  observer_.ShowStageLabels(true);
  const OnScopeExit hideStageLabels([this] { observer_.ShowStageLabels(false); });
  try {
    const bool complete = WriteStagesAuto(writer);
    KeepStagesWritten(writer);
    return complete ? 1 : 0;
  } catch (const RunStopped&) {
    // A stop comes while a layout is made, so every stage in the file is whole.
    KeepStagesWritten(writer);
    throw;
  }
}

// False when a stage found no good layout within its retries.
bool GridDesigner::WriteStagesAuto(GridSettingsWriter& writer) {
  const int StageNmbAuto = Auto.StageNmbAuto();
  Show(DesignerLabel::lblNowMakingStageNmbAuto, "1");
  SetMasSizeAuto();
  bool ok = SetMasBarAuto();
  for (int i = 1; i <= StageNmbAuto; ++i) {
    Show(DesignerLabel::lblNowMakingStageNmbAuto, std::to_string(i));
    if (!RetryLayout(ok, StageNmbAuto)) return false;
    if (i == 1) WriteGridHeader(writer);
    writer.WriteGridStage(i, CrossMas);
    ok = !Auto.ResetMasBarPattern;
  }
  return true;
}

// The retry budget follows the stage count: the first stage has StageNmbAuto placement
// runs in all, every later one StageNmbAuto - 1, a run of one stage no retry.
bool GridDesigner::RetryLayout(bool ok, int StageNmbAuto) {
  for (int k = 1; !ok; ++k) {
    if (k >= StageNmbAuto) return false;
    if (!Auto.ResetMasBarPattern) continue;
    ClearMasBar();
    if (Auto.ResetMasSize) SetMasSizeAuto();
    ok = SetMasBarAuto();
  }
  return true;
}

void GridDesigner::SetMasSizeAuto() {
  MakeNewGrid(
      DrawMasSize(Auto.MasSizePatternAuto, Auto.MasSizeCustomAuto[0], Auto.MasSizeCustomAuto[1]));
}

bool GridDesigner::SetMasBarAuto() {
  const bool made = MakeMasBar(DrawKind(Auto.MasBarPatternAuto), Auto.ShortestAnswerAuto);
  ShowMasBar();
  Show(DesignerLabel::lblWordNmbMax, std::to_string(WordCount.QuesNmbMax));
  return made;
}

}  // namespace crossword
