#pragma once

// The sites' start and calendar addresses when the ini file names none.
namespace postling::defaults {
inline constexpr const char* kYStart = "https://mail.yahoo.com/";
inline constexpr const char* kHStart = "https://outlook.live.com/mail/";
inline constexpr const char* kYCalendar = "https://calendar.yahoo.com/";
inline constexpr const char* kHCalendar = "https://outlook.live.com/calendar/";
} // namespace postling::defaults
