#include "foundation/xirr_thread.h"
#include "foundation/xirr_time.h"

#include "captured_log.h"

#include <gtest/gtest.h>

#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <ctime>
#include <mutex>
#include <thread>

namespace {

std::mutex started_mutex;
std::condition_variable started;
int received = 0;
std::thread::id runner;

void record_argument(int argument)
{
    std::lock_guard<std::mutex> lock(started_mutex);
    received = argument;
    runner = std::this_thread::get_id();
    started.notify_all();
}

void on_alarm(int)
{
}

long long elapsed_ms(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

TEST(xirr_thread_create, runs_the_function_with_its_argument_on_another_thread)
{
    std::unique_lock<std::mutex> lock(started_mutex);
    received = 0;
    ASSERT_EQ(xirr_thread_create("test worker", record_argument, -12345), 1);
    ASSERT_TRUE(started.wait_for(lock, std::chrono::seconds(10), [] { return received != 0; }));
    EXPECT_EQ(received, -12345);
    EXPECT_NE(runner, std::this_thread::get_id());
}

TEST(xirr_thread_create, a_null_function_fails)
{
    captured_log log;
    EXPECT_EQ(xirr_thread_create("nothing", nullptr, 1), 0);
    EXPECT_EQ(log.text(), "Error in xirr_thread_create(), thread create failed?\n");
}

TEST(sleep_ms, sleeps_the_whole_time_through_signals)
{
    struct sigaction handler = {}, saved;
    handler.sa_handler = on_alarm;  // no SA_RESTART: nanosleep is interrupted
    sigaction(SIGALRM, &handler, &saved);
    itimerval every_10ms = {{0, 10000}, {0, 10000}}, off = {};
    setitimer(ITIMER_REAL, &every_10ms, nullptr);
    auto start = std::chrono::steady_clock::now();
    sleep_ms(200);
    long long slept = elapsed_ms(start);
    setitimer(ITIMER_REAL, &off, nullptr);
    sigaction(SIGALRM, &saved, nullptr);
    EXPECT_GE(slept, 200);
}

TEST(sleep_ms, no_time_is_no_sleep)
{
    alarm(10);  // a negative time read as a huge one would hang: fail instead
    sleep_ms(0);
    sleep_ms(-5);
    EXPECT_GE(alarm(0), 9u);
}

TEST(xirr_gettimeofday, agrees_with_the_system_clock)
{
    long before = (long)time(nullptr);
    long seconds = xirr_gettimeofday_seconds();
    int64_t useconds = xirr_gettimeofday_useconds();
    long after = (long)time(nullptr);
    EXPECT_GE(seconds, before);
    EXPECT_LE(seconds, after);
    EXPECT_GE(useconds / 1000000, seconds);
    EXPECT_LE(useconds / 1000000, after);
}
