#include "platform/framework/StringList.h"

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "ListItems.h"
#include "tests/platform/os/ScratchFolder.h"

TEST(StringList, TextSplitsAtEveryLineBreakAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour\r\n\r\nsix");
  EXPECT_EQ(Items(list), (Lines{"one", "two", "three", "four", "", "six"}));
  list.SetText("a\r\n");
  EXPECT_EQ(Items(list), Lines{"a"});
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);

  list.SetText("Hi\nOK");
  EXPECT_EQ(list.Text(), "Hi\r\nOK\r\n");
  list.SetLineBreak("\n");
  EXPECT_EQ(list.Text(), "Hi\nOK\n");
}

TEST(StringList, IndexOfIgnoresCaseUnlessAsked) {
  TStringList list;
  list.SetText("Alpha\nbeta");
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("ALPHA"), -1);
}

TEST(StringList, SortedListsKeepOrderAndApplyDuplicates) {
  TStringList list;
  list.SetSorted(true);
  list.Add("pear");
  list.Add("Apple");
  list.Add("fig");
  EXPECT_EQ(Items(list), (Lines{"Apple", "fig", "pear"}));
  EXPECT_EQ(list.Add("APPLE"), 0);  // ignored: already there
  EXPECT_EQ(list.Count(), 3);
  int index = -1;
  EXPECT_FALSE(list.Find("grape", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(list.IndexOf("PEAR"), 2);

  list.SetDuplicates(dupAccept);
  list.Add("fig");
  EXPECT_EQ(Items(list), (Lines{"Apple", "fig", "fig", "pear"}));
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("fig"), EStringListError);
  EXPECT_THROW(list.Insert(0, "zz"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, "zz"), EStringListError);
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
  TObject first, second;
  TStringList list;
  list.AddObject("b", &first);
  list.AddObject("a", &second);
  list.Sort();
  EXPECT_EQ(list.Objects(0), &second);
  EXPECT_EQ(list.IndexOfObject(&first), 1);
  list.Move(1, 0);
  EXPECT_EQ(Items(list), (Lines{"b", "a"}));
  EXPECT_EQ(list.Objects(0), &first);
  list.Exchange(0, 1);
  EXPECT_EQ(list.Objects(0), &second);
}

TEST(StringList, OutOfRangeIndexesThrow) {
  TStringList list;
  list.Add("x");
  EXPECT_THROW(list.Strings(1), EStringListError);
  EXPECT_THROW(list.Delete(-1), EStringListError);
  EXPECT_THROW(list.Insert(3, "y"), EStringListError);
  EXPECT_THROW(list.Objects(5), EStringListError);
  list.Insert(1, "y");  // appending at the end is fine
  EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, CommaTextQuotesWhereNeededAndReadsItBack) {
  TStringList list;
  list.SetText("plain\nwith space\nsay \"hi\"\n\ncomma,here");
  EXPECT_EQ(list.CommaText(), "plain,\"with space\",\"say \"\"hi\"\"\",,\"comma,here\"");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(Items(back), Items(list));

  back.SetCommaText("a b, \"c d\" ,e,");
  EXPECT_EQ(Items(back), (Lines{"a", "b", "c d", "e", ""}));
  back.SetCommaText("\"unclosed, rest");
  EXPECT_EQ(Items(back), Lines{"unclosed, rest"});
  back.SetText("\n");
  EXPECT_EQ(back.CommaText(), "\"\"");

  TStringList semicolons;
  semicolons.SetDelimiter(';');
  semicolons.SetDelimitedText("x;y z");
  EXPECT_EQ(Items(semicolons), (Lines{"x", "y", "z"}));
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText("attachment0=/a.mp3\nsubject=Hi=there\nnovalue\nTo=");
  EXPECT_EQ(list.Names(0), "attachment0");
  EXPECT_EQ(list.Values("SUBJECT"), "Hi=there");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.ValueFromIndex(2), "");  // a line without "=" has no value
  EXPECT_EQ(list.Values("to"), "");
  EXPECT_EQ(list.Values("missing"), "");
  list.SetValues("subject", "Other");
  EXPECT_EQ(list[1], "subject=Other");
  list.SetValues("body", "Text");
  EXPECT_EQ(list[4], "body=Text");
  list.SetValues("subject", "");
  EXPECT_EQ(list.IndexOfName("subject"), -1);
  list.SetValueFromIndex(0, "/b.mp3");
  EXPECT_EQ(list[0], "attachment0=/b.mp3");
}

TEST(StringList, ChangeEventsComeOncePerUpdate) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add("a");
  EXPECT_EQ(changed, 1);
  list.SetText("x\ny\nz");
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
}

TEST(StringList, FilesAndStreamsRoundTrip) {
  ScratchFolder dir;
  TStringList list;
  list.SetText("Hi,\nOK");
  list.SaveToFile(dir / "lines.txt");
  EXPECT_EQ(dir.Read("lines.txt"), "Hi,\r\nOK\r\n");
  TStringList back;
  back.LoadFromFile(dir / "lines.txt");
  EXPECT_TRUE(back.Equals(list));

  TMemoryStream stream;
  list.SaveToStream(stream);
  stream.SetPosition(0);
  back.Clear();
  back.LoadFromStream(stream);
  EXPECT_TRUE(back.Equals(list));

  EXPECT_THROW(back.LoadFromFile(dir / "missing.txt"), EFOpenError);
  EXPECT_THROW(list.SaveToFile(dir / "no/such/folder.txt"), EFCreateError);
}
