#pragma once

namespace handlereduction {}  // namespace handlereduction
