#pragma once

namespace BraidBasics {}  // namespace BraidBasics
