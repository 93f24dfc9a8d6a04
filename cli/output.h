// What tavro-cli prints: the window's results as text, or one JSON object.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "design/memory_window.h"
#include "design/procedure.h"

namespace tavro::cli {

// The fields as the window shows them, labelled with the window's captions,
// and the 25 rows of the load characteristic; UTF-8.
std::string RenderText(const design::MemoryWindow& window, const design::DesignProcedure& procedure);

// inputs, parameters, angles, coefficients, results, load_table (numbers with
// 21 significant digits) and fields (every field's text by its name); then
// whatever `more` writes.
std::string RenderJson(const design::MemoryWindow& window, const design::DesignProcedure& procedure,
                       const std::function<void(json::Writer&)>& more = {});

// {"error": message}
std::string RenderJsonError(std::string_view message);

}  // namespace tavro::cli
