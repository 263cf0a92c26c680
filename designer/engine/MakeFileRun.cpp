#include "designer/engine/MakeFileRun.h"

#include "common/OnScopeExit.h"

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

int MakeFileRun::RunMakeFile() {
  observer_.WorkRunning(LongWork::MakeFile, true);
  const OnScopeExit stopProgress([this] { observer_.WorkRunning(LongWork::MakeFile, false); });
  GridSettingsWriter writer(files_.MakeFileDir + files_.MakeFileName);
  if (MakeMode == MakeModeFullAuto) return MakeStagesAuto(writer);
  WriteGridHeader(writer);
  writer.WriteGridStage(1, grid_.CrossMas());
  writer.Commit();
  return 1;
}

void MakeFileRun::WriteGridHeader(GridSettingsWriter& writer) {
  const int pattern = Auto.MasSizePatternAuto;
  const bool patternChosen = pattern >= 1 && pattern <= MasSizePatternCustom;
  writer.WriteGridHeader({files_.DicPath, files_.DicFileName, EmbedChrFlagOf(grid_.CrossMas()),
                          MakeMode == MakeModeFullAuto && patternChosen ? pattern : 0});
}

int MakeFileRun::MakeStagesAuto(GridSettingsWriter& writer) {
  // A new size always needs new walls.
  if (Auto.ResetMasSize) Auto.ResetMasBarPattern = true;
  observer_.FullAutoRunStarted(Auto.StageNmbAuto());
  const OnScopeExit ended([this] { observer_.FullAutoRunEnded(); });
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
bool MakeFileRun::WriteStagesAuto(GridSettingsWriter& writer) {
  const int StageNmbAuto = Auto.StageNmbAuto();
  observer_.StageStarted(1);
  SetMasSizeAuto();
  bool ok = SetMasBarAuto();
  for (int i = 1; i <= StageNmbAuto; ++i) {
    observer_.StageStarted(i);
    if (!RetryLayout(ok, StageNmbAuto)) return false;
    if (i == 1) WriteGridHeader(writer);
    writer.WriteGridStage(i, grid_.CrossMas());
    ok = !Auto.ResetMasBarPattern;
  }
  return true;
}

// The retry budget follows the stage count: the first stage has StageNmbAuto placement
// runs in all, every later one StageNmbAuto - 1, a run of one stage no retry.
bool MakeFileRun::RetryLayout(bool ok, int StageNmbAuto) {
  for (int k = 1; !ok; ++k) {
    if (k >= StageNmbAuto) return false;
    if (!Auto.ResetMasBarPattern) continue;
    grid_.ClearMasBar();
    if (Auto.ResetMasSize) SetMasSizeAuto();
    ok = SetMasBarAuto();
  }
  return true;
}

void MakeFileRun::SetMasSizeAuto() {
  grid_.MakeNewGrid(DrawMasSize(random_, Auto.MasSizePatternAuto, Auto.MasSizeCustomAuto));
}

bool MakeFileRun::SetMasBarAuto() {
  const int kind = placement_.DrawKind(Auto.MasBarPatternAuto);
  const bool made =
      placement_.MakeMasBar({grid_.MasMaxX(), grid_.MasMaxY()}, kind, Auto.ShortestAnswerAuto);
  grid_.TakeLayout(placement_.CrossMas(), placement_.WordCount());
  grid_.ShowMasBar();
  grid_.ShowSlotCount();
  return made;
}

}  // namespace crossword
