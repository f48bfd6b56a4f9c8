#include "foundation/xirr_thread.h"

#include "foundation/debug_log.h"

#include <pthread.h>

#include <cstdlib>

namespace {

struct thread_start {
    void (*function)(int);
    int argument;
};

void *run_thread(void *data)
{
    thread_start start = *static_cast<thread_start *>(data);
    free(data);
    start.function(start.argument);
    return nullptr;
}

} // namespace

int xirr_thread_create(const char *name, void (*function)(int), int argument)
{
    (void)name;
    thread_start *start = function ? static_cast<thread_start *>(malloc(sizeof(thread_start))) : nullptr;
    pthread_attr_t attributes;
    int created = 0;
    if (start && pthread_attr_init(&attributes) == 0) {
        start->function = function;
        start->argument = argument;
        pthread_t thread;
        created = pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED) == 0
                  && pthread_create(&thread, &attributes, run_thread, start) == 0;
        pthread_attr_destroy(&attributes);
    }
    if (!created) {
        free(start);
        xirr_debug_log("Error in xirr_thread_create(), thread create failed?", XIRR_LOG_CREATE_FAILED);
        return 0;
    }
    return 1;
}
