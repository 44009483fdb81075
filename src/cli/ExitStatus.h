#pragma once

// The exit statuses of numora-cli, shared by the dispatcher and the command files.
namespace numora::cli {

inline constexpr int Ok = 0;
// A wheel not found within the limits, or one whose guarantee does not hold.
inline constexpr int NotFound = 1;
// Bad arguments or an I/O error, reported as one line on stderr.
inline constexpr int Failure = 2;

} // namespace numora::cli
