#include "io/figure_file.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "io/file_to_read.h"
#include "io/reason_text.h"
#include "io/translatable.h"
#include "shapes/figure_check.h"

namespace wendrel {

namespace {

using Value = JsonDocument::Value;

// What can be wrong with a field, as the player reads it after the field's name.
constexpr const char* kMissing = WENDREL_TRANSLATABLE("FigureFile", "is missing");
constexpr const char* kNotText = WENDREL_TRANSLATABLE("FigureFile", "is not text");
constexpr const char* kNotObject = WENDREL_TRANSLATABLE("FigureFile", "is not an object");
constexpr const char* kNotPoints = WENDREL_TRANSLATABLE("FigureFile", "is not a list of points");
constexpr const char* kNotPoint = WENDREL_TRANSLATABLE("FigureFile", "is not [x, y]");
constexpr const char* kNotFinite = WENDREL_TRANSLATABLE("FigureFile", "is not a finite number");
constexpr const char* kNotName =
    WENDREL_TRANSLATABLE("FigureFile", "is not a name of small letters, digits and hyphens");
constexpr const char* kNotVersion = WENDREL_TRANSLATABLE("FigureFile", "is not 1");
constexpr const char* kVertexCount =
    WENDREL_TRANSLATABLE("FigureFile", "has %1 vertices; a figure has 3 to 200");
constexpr const char* kSeedCount =
    WENDREL_TRANSLATABLE("FigureFile", "has %1 seeds; a figure has none or 2 to 20");
//: Sides are numbered from 0; side 3 runs from vertex 3 to vertex 4.
constexpr const char* kSidesCross =
    WENDREL_TRANSLATABLE("FigureFile", "has sides %1 and %2 that cross");
constexpr const char* kZeroSide =
    WENDREL_TRANSLATABLE("FigureFile", "has side %1 of zero length: two vertices in one place");
constexpr const char* kAreaTooSmall =
    WENDREL_TRANSLATABLE("FigureFile", "encloses too small an area for its size");
constexpr const char* kSeedOutside = WENDREL_TRANSLATABLE("FigureFile", "lies outside the outline");
constexpr const char* kSeedsTooClose =
    WENDREL_TRANSLATABLE("FigureFile", "has seeds %1 and %2 too close together");

// The first fault found; thrown from where it lies and caught once.
struct Fault {
  FigureFileStatus status = FigureFileStatus::kDamaged;
  std::string field;
  const char* fault = "";
  std::vector<std::string> details;
};

Fault Damaged(std::string field, const char* fault, std::vector<std::string> details = {}) {
  return Fault{FigureFileStatus::kDamaged, std::move(field), fault, std::move(details)};
}

std::string Indexed(const char* name, std::size_t i) {
  return std::string(name) + '[' + std::to_string(i) + ']';
}

std::string TextOf(Value object, const char* key, const std::string& field) {
  const std::optional<Value> value = object.Find(key);
  if (!value)
    throw Damaged(field, kMissing);
  if (!value->IsString())
    throw Damaged(field, kNotText);
  return std::string(value->Text());
}

// At most one more point than a figure may have is read, so that the count can be told.
std::vector<DPoint> Points(Value object, const char* key, std::size_t most) {
  std::vector<DPoint> points;
  const std::optional<Value> list = object.Find(key);
  if (!list)
    return points;
  if (!list->IsArray())
    throw Damaged(key, kNotPoints);
  Value point = list->First();
  for (std::size_t i = 0; i < list->size(); ++i, point = point.Next()) {
    if (i > most)
      break;
    if (!point.IsArray() || point.size() != 2 || !point.First().IsNumber() ||
        !point.First().Next().IsNumber())
      throw Damaged(Indexed(key, i), kNotPoint);
    const double x = point.First().Number(), y = point.First().Next().Number();
    if (!std::isfinite(x) || !std::isfinite(y))
      throw Damaged(Indexed(key, i), kNotFinite);
    points.push_back(DPoint{x, y});
  }
  return points;
}

void ThrowFigureFault(const FigureFault& fault) {
  using Kind = FigureFault::Kind;
  const std::string first = std::to_string(fault.first), second = std::to_string(fault.second);
  switch (fault.kind) {
    case Kind::kNone:
      return;
    case Kind::kTooFewVertices:
    case Kind::kTooManyVertices:
      throw Damaged("outline", kVertexCount, {first});
    case Kind::kNotFinite:
      throw Damaged(Indexed(fault.inSeeds ? "seeds" : "outline", fault.first), kNotFinite);
    case Kind::kZeroSide:
      throw Damaged("outline", kZeroSide, {first});
    case Kind::kSidesCross:
      throw Damaged("outline", kSidesCross, {first, second});
    case Kind::kAreaTooSmall:
      throw Damaged("outline", kAreaTooSmall);
    case Kind::kTooFewSeeds:
    case Kind::kTooManySeeds:
      throw Damaged("seeds", kSeedCount, {first});
    case Kind::kSeedOutside:
      throw Damaged(Indexed("seeds", fault.first), kSeedOutside);
    case Kind::kSeedsTooClose:
      throw Damaged("seeds", kSeedsTooClose, {first, second});
  }
}

// The fields a figure file and a kept figure share; the outline and seeds checked.
Figure Decode(Value object) {
  Figure figure;
  figure.title = TextOf(object, "name", "name");
  if (const std::optional<Value> names = object.Find("names")) {
    if (!names->IsObject())
      throw Damaged("names", kNotObject);
    // Members are walked as array elements are: each name is followed by its value.
    Value member = names->First();
    for (std::size_t i = 0; i < names->size(); ++i) {
      const std::string language(member.Text());
      const Value title = member.Next();
      if (!title.IsString())
        throw Damaged("names." + language, kNotText);
      figure.titles[language] = std::string(title.Text());
      member = title.Next();
    }
  }
  figure.outline = Points(object, "outline", ShapeOutline::kMaxVertices);
  figure.seeds = Points(object, "seeds", ShapeOutline::kMaxSeeds);
  ThrowFigureFault(CheckFigure(figure));
  return figure;
}

template <typename Read>
FigureFileRead Caught(Read read) {
  FigureFileRead result;
  try {
    result.figure = read();
  } catch (Fault& fault) {
    result.status = fault.status;
    result.field = std::move(fault.field);
    result.fault = fault.fault;
    result.details = std::move(fault.details);
  }
  return result;
}

nlohmann::ordered_json PointsValue(const std::vector<DPoint>& points) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const DPoint& p : points)
    list.push_back({p.x, p.y});
  return list;
}

nlohmann::ordered_json FigureValue(const Figure& figure) {
  nlohmann::ordered_json value;
  value["name"] = figure.title;
  if (!figure.titles.empty())
    value["names"] = figure.titles;
  value["outline"] = PointsValue(figure.outline);
  if (!figure.seeds.empty())
    value["seeds"] = PointsValue(figure.seeds);
  return value;
}

FigureFileRead Refused(FigureFileStatus status) {
  FigureFileRead read;
  read.status = status;
  return read;
}

}  // namespace

FigureFileRead ReadFigureFile(std::string_view text, std::string name) {
  if (text.size() > kMaxFigureFileBytes)
    return Refused(FigureFileStatus::kTooLarge);
  const std::optional<JsonDocument> document = JsonDocument::Parse(text);
  const std::optional<Value> format =
      document && document->Root().IsObject() ? document->Root().Find("format") : std::nullopt;
  if (!format || !format->IsString() || format->Text() != "wendrel-figure")
    return Refused(FigureFileStatus::kNotAFigure);
  return Caught([&] {
    const Value root = document->Root();
    const std::optional<Value> version = root.Find("formatVersion");
    if (!version)
      throw Damaged("formatVersion", kMissing);
    if (version->IsNumber() && version->Number() > kFigureFileFormat)
      throw Fault{
          FigureFileStatus::kNewerFormat, "formatVersion", "", {std::string(version->Literal())}};
    if (!version->IsNumber() || version->Number() != kFigureFileFormat)
      throw Damaged("formatVersion", kNotVersion);
    Figure figure = Decode(root);
    Normalise(figure);
    // Scaling can bring two points that lay apart into one, however rarely.
    ThrowFigureFault(CheckFigure(figure));
    figure.name = std::move(name);
    return figure;
  });
}

FigureFileRead ReadFigureFileAt(const std::filesystem::path& path) {
  std::string text;
  if (const std::error_code ec = ReadFileText(path, kMaxFigureFileBytes, text)) {
    FigureFileRead read = Refused(FigureFileStatus::kUnreadable);
    read.details.push_back(ec.message());
    return read;
  }
  return ReadFigureFile(text, FigureNameOf(path.stem().string()));
}

FigureFileRead ReadKeptFigure(Value value) {
  return Caught([&] {
    if (!value.IsObject())
      throw Damaged("", kNotObject);
    Figure figure = Decode(value);
    figure.name = TextOf(value, "id", "id");
    if (figure.name != FigureNameOf(figure.name))
      throw Damaged("id", kNotName);
    return figure;
  });
}

std::string KeptFigureJson(const Figure& figure) {
  nlohmann::ordered_json value;
  value["id"] = figure.name;
  value.update(FigureValue(figure));
  return value.dump();
}

std::string WriteFigureFile(const Figure& figure) {
  nlohmann::ordered_json value;
  value["format"] = "wendrel-figure";
  value["formatVersion"] = kFigureFileFormat;
  value.update(FigureValue(figure));
  return value.dump(1) + '\n';
}

std::string FigureNameOf(std::string_view fileName) {
  std::string name;
  for (const char c : fileName) {
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9'))
      name += lower;
    else if (!name.empty() && name.back() != '-')
      name += '-';
  }
  while (!name.empty() && name.back() == '-')
    name.pop_back();
  return name.empty() ? "figure" : name;
}

std::string FigureFileReason(const FigureFileRead& read,
                             const std::function<std::string(const char*)>& translate) {
  const auto words = [&](const char* wording, const std::vector<std::string>& details) {
    return Filled(translate ? translate(wording) : std::string(wording), details);
  };
  switch (read.status) {
    case FigureFileStatus::kFigure:
      return {};
    case FigureFileStatus::kTooLarge:
      return words(
          WENDREL_TRANSLATABLE("FigureFile", "it is over 256 KB, too large for a Wendrel figure"),
          {});
    case FigureFileStatus::kNotAFigure:
      return words(WENDREL_TRANSLATABLE("FigureFile", "it is not a Wendrel figure"), {});
    case FigureFileStatus::kNewerFormat:
      return words(WENDREL_TRANSLATABLE("FigureFile",
                                        "it was made by a newer version of Wendrel (format %1)"),
                   {Shown(read.details.empty() ? std::string() : read.details.front())});
    case FigureFileStatus::kUnreadable:
      return read.details.empty() ? std::string() : read.details.front();
    case FigureFileStatus::kDamaged:
      break;
  }
  std::vector<std::string> shown;
  for (const std::string& detail : read.details)
    shown.push_back(Shown(detail));
  return words(WENDREL_TRANSLATABLE("FigureFile", "%1 %2"),
               {Shown(read.field), words(read.fault, shown)});
}

}  // namespace wendrel
