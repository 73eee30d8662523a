// Whether a decoded picture is wanted is a question for the GL (its largest side, whether it
// takes any side), and the GL must never be asked while the decode queue holds its lock: the
// worker would wait on the GL's thread, and the GL's thread on the worker. So the queue asks
// with its lock free, which shows as another caller getting its answer in the meantime. Needs a
// second thread: the browser build, which has none, leaves it out.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "png_writer.h"
#include "temp_files.h"
#include "textures/gl/prefetch_queue.h"

namespace {

PrefetchQueue* askingQueue = nullptr;
std::thread otherCaller;
bool answeredMeanwhile = false;

// Waits, for far longer than a free queue needs, for another thread's call to the queue.
bool wantedOnceTheQueueAnswersAnother(const DecodedImage&, ImageKind) {
  const auto answered = std::make_shared<std::promise<void>>();
  std::future<void> answer = answered->get_future();
  otherCaller = std::thread([answered] {
    askingQueue->take({"never-queued.png", ImageKind::Png});
    answered->set_value();
  });
  answeredMeanwhile = answer.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
  return true;
}

TEST(PrefetchQueue, AsksWhetherAPictureIsWantedWithItsLockFree) {
  png_test::PngSpec shape;
  shape.width = 2;
  shape.height = 2;
  shape.rows.assign(12, 200);
  const std::string path = textures_test::writeTemp("asked.png", png_test::encodePng(shape));
  for (DecodeAhead how : {DecodeAhead::OnThread, DecodeAhead::InBands}) {
    PrefetchQueue queue(how);
    const ImageRequest request[] = {{path.c_str(), ImageKind::Png}};
    queue.add(request, 0);
    queue.finish();
    askingQueue = &queue;
    answeredMeanwhile = false;
    const TakenPng taken = queue.takeDecodedPng(wantedOnceTheQueueAnswersAnother);
    ASSERT_TRUE(otherCaller.joinable()) << "the picture was never offered";
    otherCaller.join();
    EXPECT_TRUE(answeredMeanwhile) << "another call waited on the lock while the queue asked";
    EXPECT_NE(taken.image, nullptr);
    EXPECT_EQ(taken.fileName, path);
  }
}

}  // namespace
