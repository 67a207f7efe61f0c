#pragma once

namespace basics {}  // namespace basics
