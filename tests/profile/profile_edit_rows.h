// Changes to profile text, one per row: a write, or the deletion of a key or a
// section, with the exact text it leaves. The rows are run on the editing code
// itself and, through the profile-string functions, on each platform.
#pragma once

namespace profile_rows {

enum Op { kWrite, kDeleteKey, kDeleteSection };

struct Row {
  const char* name;
  const char* before;
  Op op;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
  // Where wine's functions leave another result, why.
  const char* wineDiffers = nullptr;
};

#define SECTIONS_ABC                                                                          \
  "; head comment\r\n[A]\r\na=1\r\n\r\n; comment before B\r\n[B]\r\nb=2\r\n; comment inside " \
  "B\r\n\r\n[C]\r\nc=3\r\n"

inline const Row kEditRows[] = {
    {"delete a middle section", SECTIONS_ABC, kDeleteSection, "B", "", "",
     "; head comment\r\n[A]\r\na=1\r\n\r\n; comment before B\r\n[C]\r\nc=3\r\n"},
    {"delete the last section", SECTIONS_ABC, kDeleteSection, "C", "", "",
     "; head comment\r\n[A]\r\na=1\r\n\r\n; comment before B\r\n[B]\r\nb=2\r\n; comment inside "
     "B\r\n\r\n"},
    {"delete the first section", SECTIONS_ABC, kDeleteSection, "a", "", "",
     "; head comment\r\n[B]\r\nb=2\r\n; comment inside B\r\n\r\n[C]\r\nc=3\r\n"},
    {"delete a missing section", SECTIONS_ABC, kDeleteSection, "D", "", "", SECTIONS_ABC},
    {"delete every section of the name", "[S]\r\na=1\r\n[T]\r\nt=1\r\n[ s ]\r\nb=2\r\n",
     kDeleteSection, " S ", "", "", "[T]\r\nt=1\r\n",
     "wine removes only the first section of the name"},
    {"delete a section without a final line end", "[A]\r\na=1\r\n[B]\r\nb=2", kDeleteSection, "B",
     "", "", "[A]\r\na=1\r\n"},
    {"delete a section of a marked file", "\xEF\xBB\xBF[A]\r\na=1\r\n[B]\r\n", kDeleteSection, "A",
     "", "", "\xEF\xBB\xBF[B]\r\n"},

    {"new key in an existing section", "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n", kWrite, "A", "new", "x",
     "[A]\r\na=1\r\nnew=x\r\n\r\n[B]\r\nb=2\r\n"},
    {"new key after a tail comment", "[A]\r\na=1\r\n; tail\r\n\r\n[B]\r\nb=2\r\n", kWrite, "A",
     "new", "x", "[A]\r\na=1\r\n; tail\r\nnew=x\r\n\r\n[B]\r\nb=2\r\n"},
    {"new key in a duplicate section", "[S]\r\na=1\r\n[T]\r\nt=1\r\n[S]\r\nb=2\r\n", kWrite, "S",
     "new", "x", "[S]\r\na=1\r\nnew=x\r\n[T]\r\nt=1\r\n[S]\r\nb=2\r\n"},
    {"new key in a section of only a header", "[S]\r\n\r\n[T]\r\n", kWrite, "S", "k", "v",
     "[S]\r\nk=v\r\n\r\n[T]\r\n"},
    {"new key after a last line without an end", "[S]\r\na=1", kWrite, "S", "new", "x",
     "[S]\r\na=1\r\nnew=x\r\n"},
    {"new key named as one in another section", "[A]\r\na=1\r\n[B]\r\nk=2\r\n", kWrite, "A", "k",
     "v", "[A]\r\na=1\r\nk=v\r\n[B]\r\nk=2\r\n"},
    {"new key padded section argument", "[A]\r\na=1\r\n", kWrite, "  A  ", "k", "v",
     "[A]\r\na=1\r\nk=v\r\n"},
    {"new section", "[A]\r\na=1\r\n", kWrite, "B", "k", "v", "[A]\r\na=1\r\n[B]\r\nk=v\r\n"},
    {"new section, no final line end", "[A]\r\na=1", kWrite, "B", "k", "v",
     "[A]\r\na=1\r\n[B]\r\nk=v\r\n"},
    {"new section after a blank line", "[A]\r\na=1\r\n\r\n", kWrite, "B", "k", "v",
     "[A]\r\na=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"new section, padded name", "", kWrite, "  S  ", "k", "v", "[S  ]\r\nk=v\r\n"},
    {"empty file", "", kWrite, "S", "K", "V", "[S]\r\nK=V\r\n"},
    {"header without its bracket", "[S\r\nK=1\r\n", kWrite, "S", "K", "v",
     "[S\r\nK=1\r\n[S]\r\nK=v\r\n"},
    {"value loses leading blanks", "[S]\r\n", kWrite, "S", "K", "  lead", "[S]\r\nK=lead\r\n"},
    {"value keeps trailing blanks", "[S]\r\n", kWrite, "S", "K", "trail  ", "[S]\r\nK=trail  \r\n"},
    {"key loses leading blanks only", "[S]\r\n", kWrite, "S", "  K  ", "v", "[S]\r\nK  =v\r\n"},
    {"quoted value written as is", "[S]\r\n", kWrite, "S", "K", "\"q\"", "[S]\r\nK=\"q\"\r\n"},
    {"padded line with a comment replaced", "[S]\r\n  KEY  =  old  ; c\r\n", kWrite, "S", "KEY",
     "new", "[S]\r\nKEY=new\r\n"},
    {"same value leaves the text", "[S]\r\n  KEY = same \r\n", kWrite, "S", "KEY", "same",
     "[S]\r\n  KEY = same \r\n"},
    {"same value once unquoted", "[S]\r\nKEY='same'\r\n", kWrite, "S", "key", "same",
     "[S]\r\nKEY='same'\r\n"},
    {"empty value", "[S]\r\nK=old\r\n", kWrite, "S", "K", "", "[S]\r\nK=\r\n"},
    {"key name keeps the file's case", "[Sect]\r\nKeY=old\r\n", kWrite, "SECT", "key", "new",
     "[Sect]\r\nKeY=new\r\n"},
    {"first of duplicate keys rewritten", "[S]\r\nK=1\r\nk=2\r\n", kWrite, "S", "K", "3",
     "[S]\r\nK=3\r\nk=2\r\n"},
    {"LF only, new key", "[A]\na=1\n", kWrite, "A", "new", "x", "[A]\na=1\nnew=x\n"},
    {"LF only, new section", "[A]\na=1\n", kWrite, "B", "k", "v", "[A]\na=1\n[B]\nk=v\n"},
    {"CR only, new key", "[A]\ra=1\r", kWrite, "A", "new", "x", "[A]\ra=1\rnew=x\r"},
    {"CR only, new section", "[A]\ra=1", kWrite, "B", "k", "v", "[A]\ra=1\r[B]\rk=v\r"},
    {"first line end used", "[A]\na=1\r\n", kWrite, "A", "new", "x", "[A]\na=1\r\nnew=x\n"},
    {"marked file, key rewritten", "\xEF\xBB\xBF[A]\r\na=1\r\n", kWrite, "A", "a", "2",
     "\xEF\xBB\xBF[A]\r\na=2\r\n"},
    {"marked file, new section", "\xEF\xBB\xBF[A]\r\na=1\r\n", kWrite, "B", "k", "v",
     "\xEF\xBB\xBF[A]\r\na=1\r\n[B]\r\nk=v\r\n"},
    {"only a mark", "\xEF\xBB\xBF", kWrite, "S", "K", "V", "\xEF\xBB\xBF[S]\r\nK=V\r\n"},
    {"padded header kept", "[ LANGLIST ]\r\nK=old\r\n", kWrite, "LANGLIST", "K", "new",
     "[ LANGLIST ]\r\nK=new\r\n"},
    {"line without '=' kept", "[S]\r\nNOEQUALS\r\nK=old\r\n", kWrite, "S", "K", "new",
     "[S]\r\nNOEQUALS\r\nK=new\r\n"},
    {"new key after a line without '='", "[S]\r\nNOEQUALS\r\n", kWrite, "S", "k", "v",
     "[S]\r\nNOEQUALS\r\nk=v\r\n"},
    {"key before any section kept", "K0=orphan\r\n[S]\r\nK=old\r\n", kWrite, "S", "K", "new",
     "K0=orphan\r\n[S]\r\nK=new\r\n"},
    {"key before any section is not the section's", "K0=orphan\r\n[S]\r\n", kWrite, "S", "K0", "x",
     "K0=orphan\r\n[S]\r\nK0=x\r\n"},
    {"key before any section rewritten", "K0=orphan\r\n[S]\r\n", kWrite, "", "K0", "x",
     "K0=x\r\n[S]\r\n"},
    {"new key before any section", "[S]\r\n", kWrite, "", "K0", "x", "K0=x\r\n[S]\r\n"},

    {"delete a key", "[S]\r\na=1\r\nb=2\r\nc=3\r\n", kDeleteKey, "S", "B", "",
     "[S]\r\na=1\r\nc=3\r\n"},
    {"delete the only key", "[S]\r\nk=1\r\n[T]\r\n", kDeleteKey, "S", "k", "", "[S]\r\n[T]\r\n"},
    {"delete a padded key line", "[S]\r\n  k = 1 \r\nm=2\r\n", kDeleteKey, "S", " k ", "",
     "[S]\r\nm=2\r\n", "wine does not drop the blanks around the key's name when it deletes"},
    {"delete the last line without an end", "[S]\r\na=1\r\nk=1", kDeleteKey, "S", "k", "",
     "[S]\r\na=1\r\n"},
    {"delete from the first duplicate section", "[S]\r\nk=1\r\n[S]\r\nk=2\r\n", kDeleteKey, "S",
     "k", "", "[S]\r\n[S]\r\nk=2\r\n"},
    {"delete in its own section only", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n", kDeleteKey, "B", "k", "",
     "[A]\r\nk=1\r\n[B]\r\n"},
    {"delete a missing key", "[S]\r\nk=1\r\n", kDeleteKey, "S", "m", "", "[S]\r\nk=1\r\n"},
    {"delete a key of a missing section", "[S]\r\nk=1\r\n", kDeleteKey, "T", "k", "",
     "[S]\r\nk=1\r\n"},
    {"delete from an LF-only file", "[S]\na=1\nb=2\n", kDeleteKey, "S", "a", "", "[S]\nb=2\n"},
};

#undef SECTIONS_ABC

}  // namespace profile_rows
