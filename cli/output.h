// What tavro-cli prints: the window's results as text, or one JSON object.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "design/calculate.h"
#include "design/inputs.h"
#include "design/mains.h"

namespace tavro::cli {

// The design as the window shows it, labelled with the window's captions
// (the results' naming the mains the design was calculated for), and the 25
// rows of the load characteristic; UTF-8. typed: the input texts.
std::string RenderText(const design::Design& design, const design::InputTexts& typed,
                       char separator, const design::Mains& supply = {});

// The load characteristic's caption and its 25 rows, as RenderText shows them.
std::string RenderLoadTable(const design::LoadTable& table, char separator);

// One "  caption   value" line of the text output, the caption padded as
// RenderText pads its own; ends with a newline.
std::string CaptionLine(std::string_view caption, std::string_view value);

// Every string is made valid UTF-8 (see ValidUtf8).
//
// inputs, parameters, angles, coefficients, results, load_table (numbers with
// 21 significant digits) and fields (every field's text by its name, as the
// window would show this design); then whatever `more` writes.
std::string RenderJson(const design::Design& design, const design::InputTexts& typed,
                       char separator, const std::function<void(json::Writer&)>& more = {});

// {"error": message}
std::string RenderJsonError(std::string_view message);

// `text` as a JSON string, made valid UTF-8.
std::string JsonString(std::string_view text);

// {"error": message, "failure": {"stage": ..., "reason": ...}}
std::string RenderJsonFailure(std::string_view message, const design::Failure& failure);

}  // namespace tavro::cli
