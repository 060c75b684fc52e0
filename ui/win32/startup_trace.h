#pragma once

namespace trimwise {

// Marks of the start-up phases, for the start-up benchmark. A build with TRIMWISE_STARTUP_TRACE
// defined notes the performance counter at each and writes the marks, in milliseconds from the
// process's start, to the file named by the environment variable TRIMWISE_STARTUP_TRACE: those
// up to the first paint once it is done, each later one as it comes. In the program as shipped
// they are empty and compile away.
#ifdef TRIMWISE_STARTUP_TRACE
inline constexpr bool kTracingStartUp = true;
void MarkPhase(const char* phase) noexcept;
// Marks the end of the first WM_PAINT, and writes the marks so far; later calls do nothing.
void MarkFirstPaint() noexcept;
#else
// What a mark needs worked out goes under `if constexpr (kTracingStartUp)`.
inline constexpr bool kTracingStartUp = false;
inline void MarkPhase(const char* /*phase*/) noexcept {}
inline void MarkFirstPaint() noexcept {}
#endif

} // namespace trimwise
