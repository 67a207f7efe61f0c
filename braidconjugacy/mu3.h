#pragma once

namespace BraidConjugacy {}  // namespace BraidConjugacy
