#pragma once
// The outcome record as a run writes it, for the tests that read it back.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>

#include "ImportEndToEnd.h"

namespace importe2e {

// The record up to its time, which only the run knows.
inline std::string Record(const std::string& outcome, const std::string& file, int values,
                          int reports, int skipped = 0) {
  return "{\"outcome\":\"" + outcome + "\",\"file\":\"" + JsonEscaped(file) +
         "\",\"values\":" + std::to_string(values) + ",\"reports\":" + std::to_string(reports) +
         ",\"skipped\":" + std::to_string(skipped) + ",\"version\":\"" WF_VERSION "\",\"time\":\"";
}

// `record` is `head` and a UTC time of the last few seconds.
inline void ExpectRecord(const std::string& record, const std::string& head) {
  ASSERT_EQ(record.substr(0, head.size()), head) << record;
  std::smatch time;
  const std::string rest = record.substr(head.size());
  ASSERT_TRUE(std::regex_match(
      rest, time, std::regex("(\\d{4})-(\\d\\d)-(\\d\\d)T(\\d\\d):(\\d\\d):(\\d\\d)Z\"\\}")))
      << record;
  using namespace std::chrono;
  const sys_seconds stamp =
      sys_days{year{std::stoi(time[1])} / std::stoi(time[2]) / std::stoi(time[3])} +
      hours{std::stoi(time[4])} + minutes{std::stoi(time[5])} + seconds{std::stoi(time[6])};
  const seconds age = floor<seconds>(system_clock::now()) - stamp;
  EXPECT_TRUE(age >= seconds{0} && age <= seconds{30}) << record;
}

}  // namespace importe2e
