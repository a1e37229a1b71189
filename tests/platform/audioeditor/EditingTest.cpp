// Positions, selection, cut/paste with undo and redo, markers and the
// busy guard of the editor component.

#include "EditorTestSupport.h"

#include <set>

namespace {

constexpr int kRate = 44100;

TEST_F(EditorTest, ReadBlockIsFrameExactAndLeavesTheCursorAndSelectionAlone) {
  const TSampleBlock ramp = Ramp(2, 100000);
  Load(ramp);
  IAudioEditor2Position* p = editor->Position();
  ASSERT_EQ(p->Length(), 100000);
  int changes = 0;
  editor->OnChangePosition = [&](TObject*) { ++changes; };
  Select(2000, 3000);
  p->SetCurrentPosition(12345);
  EXPECT_EQ(changes, 3);
  const TSampleBlock block = editor->ReadBlock(1000);
  EXPECT_EQ(block, TSampleBlock(ramp.begin() + 2 * 12345, ramp.begin() + 2 * 13345));
  EXPECT_EQ(p->CurrentPosition(), 12345);
  EXPECT_EQ(p->SelectionStart(), 2000);
  EXPECT_EQ(p->SelectionEnd(), 3000);
  // At the end only what is there.
  p->SetCurrentPosition(99990);
  EXPECT_EQ(editor->ReadBlock(1000).size(), 20u);
  // Ends are clamped and kept apart: a start past the end is no selection.
  p->SetSelectionEnd(500000);
  EXPECT_EQ(p->SelectionEnd(), 100000);
  p->SetSelectionStart(-5);
  EXPECT_EQ(p->SelectionStart(), 0);
  p->SetSelectionStart(100000);
  p->SetSelectionEnd(10);
  EXPECT_FALSE(p->HasSelection());
  EXPECT_EQ(p->SelectionStart(), 100000);
  EXPECT_EQ(p->SamplesToMs(44100), 1000);
  EXPECT_EQ(p->SamplesToMs(44099), 999);
  EXPECT_EQ(p->SamplesToMs(4410000000LL), 100000000);  // beyond 32 bits on the way
}

TEST_F(EditorTest, CutUndoRedoAreBitIdenticalAndCheap) {
  const TSampleBlock sweep = Sweep(kRate, 2, 300000);
  Load(sweep);
  const TSampleBlock original = All();
  ASSERT_EQ(original, sweep);
  std::set<const detail::SampleChunk*> chunks;
  for (const auto& track : editor->Document().tracks)
    for (const auto& span : track.Spans()) chunks.insert(span.chunk.get());
  Select(1000, 250000);
  editor->Cut();
  TSampleBlock expected(sweep.begin(), sweep.begin() + 2000);
  expected.insert(expected.end(), sweep.begin() + 500000, sweep.end());
  EXPECT_EQ(All(), expected);
  EXPECT_EQ(editor->Position()->CurrentPosition(), 1000);
  EXPECT_FALSE(editor->Position()->HasSelection());
  // The cut shares every chunk with the original: no sample was copied.
  for (const auto& track : editor->Document().tracks)
    for (const auto& span : track.Spans()) EXPECT_TRUE(chunks.count(span.chunk.get())) << "a new chunk";
  editor->Undo();
  EXPECT_EQ(All(), original);
  EXPECT_EQ(editor->Position()->SelectionStart(), 1000);
  EXPECT_EQ(editor->Position()->SelectionEnd(), 250000);
  editor->Redo();
  EXPECT_EQ(All(), expected);
  // Paste puts it back where it was, selected.
  editor->Paste();
  EXPECT_EQ(All(), original);
  EXPECT_EQ(editor->Position()->SelectionEnd() - editor->Position()->SelectionStart(), 249000);
  // Nothing to redo after a new edit; undo without steps does nothing.
  EXPECT_FALSE(editor->CanRedo());
  editor->Undo();
  editor->Undo();
  editor->Undo();
  EXPECT_EQ(All(), original);
  EXPECT_NO_THROW(editor->Undo());
}

TEST_F(EditorTest, UndoDepthForgetsTheOldestSteps) {
  Load(Ramp(2, 10000));
  editor->SetUndoRedoCount(2);
  for (int i = 0; i < 3; ++i) {
    editor->Position()->SetCurrentPosition(0);
    editor->Effects()->InsertSilence(10);
  }
  EXPECT_EQ(editor->Position()->Length(), 10000 + 3 * 441);
  editor->Undo();
  editor->Undo();
  editor->Undo();
  EXPECT_EQ(editor->Position()->Length(), 10000 + 441);
}

TEST_F(EditorTest, PasteConvertsTheClipboardToTheDocumentsFormat) {
  Load(Tone(kRate, 2, kRate, 1000, 0.5));
  Select(0, kRate);
  editor->Copy();
  editor->NewFile(22050, 1);
  EXPECT_EQ(editor->Position()->Length(), 0);
  editor->Paste();
  EXPECT_EQ(editor->FileInfo()->Channels(), 1);
  EXPECT_NEAR(static_cast<double>(editor->Position()->Length()), 22050, 2);
  const TSampleBlock pasted = All();
  EXPECT_NEAR(ZeroCrossings(pasted, 1), 2000, 4);
  // Mixing at half and half keeps the level.
  editor->Position()->SetSelectionEnd(0);
  editor->Position()->SetCurrentPosition(0);
  const double before = ToneAmplitude(ChannelOf(All(), 1, 0, 1000, 10000), 22050, 1000);
  editor->PasteMix(50, 50);
  EXPECT_NEAR(ToneAmplitude(ChannelOf(All(), 1, 0, 1000, 10000), 22050, 1000), before, before * 0.02);
}

TEST_F(EditorTest, MarkersFollowInsertsAndDeletes) {
  Load(Ramp(2, 100000));
  IAudioEditor2Markers* m = editor->Markers();
  EXPECT_EQ(m->Current(), 0);
  EXPECT_EQ(m->Position(), 0);
  EXPECT_THROW(m->SetPosition(5), Exception);
  m->AddMarker(10000, 0, "a", "", "", -1, -1, -1, -1);
  m->AddMarker(50000, 20000, "range", "note", "text", -1, -1, -1, -1);
  m->AddMarker(90000, 0, "c", "", "", -1, -1, -1, -1);
  EXPECT_EQ(m->Count(), 3);
  EXPECT_EQ(m->Current(), 3);
  EXPECT_THROW(m->SetPosition(100001), Exception);
  EXPECT_THROW(m->SetLength(-1), Exception);
  // A cut over the first marker takes it; the later ones move up.
  Select(5000, 15000);
  editor->Cut();
  ASSERT_EQ(m->Count(), 2);
  m->SetCurrent(1);
  EXPECT_EQ(m->Position(), 40000);
  EXPECT_EQ(m->Length(), 20000);
  EXPECT_EQ(m->Note(), "note");
  // Silence inserted before them moves them down; inside the range lengthens it.
  editor->Position()->SetCurrentPosition(45000);
  editor->Effects()->InsertSilence(1000);
  EXPECT_EQ(m->Position(), 40000);
  EXPECT_EQ(m->Length(), 20000 + kRate);
  m->SetCurrent(2);
  EXPECT_EQ(m->Position(), 80000 + kRate);
  m->DeleteMarker();
  EXPECT_EQ(m->Count(), 1);
  EXPECT_EQ(m->Current(), 1);
  editor->Undo();
  editor->Undo();
  EXPECT_EQ(m->Count(), 3);
}

TEST_F(EditorTest, CallsDuringAnOperationAreRefusedNotRunInside) {
  Load(Tone(kRate, 2, 8 * detail::kChunkFrames, 440, 0.3));
  const TSampleBlock before = All();
  Select(0, 8 * detail::kChunkFrames);
  int refused = 0, reports = 0, ends = 0;
  editor->OnBlockOperation = [&](TObject*, short percent) {
    ++reports;
    EXPECT_GE(percent, 0);
    EXPECT_LE(percent, 100);
    for (auto call : std::vector<std::function<void()>>{[&] { editor->Cut(); },
                                                        [&] { editor->Undo(); },
                                                        [&] { editor->Effects()->Invert(); },
                                                        [&] { editor->OpenFile(PathOf("source.wav")); }}) {
      try {
        call();
      } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Engine busy");
        ++refused;
      }
    }
  };
  editor->OnEndOperation = [&](TObject*) { ++ends; };
  editor->Effects()->Amplify(50);
  EXPECT_GT(reports, 1);
  EXPECT_EQ(refused, 4 * reports);
  EXPECT_EQ(ends, 1);
  // Only the amplify happened: one undo brings the original back.
  editor->OnBlockOperation = nullptr;
  editor->Undo();
  EXPECT_EQ(All(), before);
}

TEST_F(EditorTest, CommandsWithoutDocumentOrSelectionDoNothing) {
  EXPECT_EQ(editor->Position()->Length(), 0);
  EXPECT_EQ(editor->FileInfo()->FormatText(), "");
  editor->Effects()->Amplify(150);
  editor->Cut();
  editor->Paste();
  editor->Undo();
  editor->Play(TAudioEditor2::kPlaySelection);
  EXPECT_FALSE(editor->Playing());
  editor->NewFile(44100, 2);
  EXPECT_FALSE(editor->FileInfo()->FormatText().empty());
  editor->Cut();
  editor->Copy();
  editor->Paste();
  EXPECT_EQ(editor->Position()->Length(), 0);
  EXPECT_FALSE(editor->CanUndo());
  editor->Effects()->InsertSilence(62343);
  EXPECT_EQ(editor->Position()->Length(), 62343LL * 44100 / 1000);
  EXPECT_THROW(editor->NewFile(44100, 3), Exception);
}

}  // namespace
