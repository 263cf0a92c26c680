#pragma once

#include <exception>

#include "common/Message.h"

// The box for a failure the catalogues have no message for. The engines describe their
// failures in English for wright; a window says in Japanese which file, which line and what
// kind of trouble, and never lets the English text through.
namespace crossword::ui {

CatalogueMessage ProblemMessage(const std::exception& problem);

}  // namespace crossword::ui
