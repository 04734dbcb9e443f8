#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "io/json_document.h"
#include "shapes/figure.h"

namespace wendrel {

// A figure as a file: UTF-8 JSON, like
//
//   {"format": "wendrel-figure", "formatVersion": 1, "name": "Fish",
//    "names": {"de": "Fisch", "fr": "Poisson"},
//    "outline": [[0, 0], [120, 40], [60, 90]], "seeds": [[50, 40], [70, 50]]}
//
// Points are x, y with y up. names and seeds may be left out, and keys this program does
// not know are passed over, so that later versions can add some. The figure's name on
// command lines is the file's, without its extension.
inline constexpr std::string_view kFigureFileExtension = ".wendrel-figure";
inline constexpr int kFigureFileFormat = 1;
// A longer text is refused unread.
inline constexpr std::size_t kMaxFigureFileBytes = 256 * 1024;

enum class FigureFileStatus {
  kFigure,       // a figure, checked, scaled and centred
  kTooLarge,     // over kMaxFigureFileBytes
  kNotAFigure,   // not one JSON object, or without the format name
  kNewerFormat,  // a format version beyond kFigureFileFormat
  kDamaged,      // a field is missing, of the wrong kind, or its outline or seeds unfit
  kUnreadable,   // the file could not be read; details: why
};

struct FigureFileRead {
  FigureFileStatus status = FigureFileStatus::kFigure;
  Figure figure;
  // kDamaged: where, as "outline[3]"; the wording of what is wrong, marked for translation
  // under the context "FigureFile", with %1 and %2 where the details go.
  std::string field;
  const char* fault = "";
  std::vector<std::string> details;

  bool ok() const { return status == FigureFileStatus::kFigure; }
};

// Reads a figure file's text and checks it: its outline and seeds as CheckFigure wants
// them, then scaled and centred by Normalise. name is what the figure is called by.
FigureFileRead ReadFigureFile(std::string_view text, std::string name);

// The same for the file at path, named after it (FigureNameOf its stem).
FigureFileRead ReadFigureFileAt(const std::filesystem::path& path);

// A figure kept inside another file, as the game file keeps the figures it needs, with
// its name: {"name": ..., "title": ..., "names": ..., "outline": ..., "seeds": ...}. It was
// normalised when it was first read, and is checked but taken as it stands, so that its
// puzzles are cut from the very same numbers.
FigureFileRead ReadKeptFigure(JsonDocument::Value value);
std::string KeptFigureJson(const Figure& figure);

// The text of the figure's file.
std::string WriteFigureFile(const Figure& figure);

// A figure's name made from a file's base name: small ASCII letters and digits, words
// joined by single hyphens, as on command lines; "figure" when nothing is left.
std::string FigureNameOf(std::string_view fileName);

// Why a figure file cannot be used, to follow its name ("Cannot open NAME: "): "it is not
// a Wendrel figure", "outline[4]: sides 3 and 17 cross"; in the language translate gives.
std::string FigureFileReason(const FigureFileRead& read,
                             const std::function<std::string(const char*)>& translate = {});

}  // namespace wendrel
