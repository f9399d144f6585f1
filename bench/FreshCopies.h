#pragma once

#include "recognizer/Dessin.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

// Fresh copies of a drawing, one per iteration, so that no cached figure is
// reused; they are made in batches with the timing paused.
class FreshCopies {
public:
    FreshCopies(const CDessin& source, std::size_t batch) : m_source(source), m_size(batch) {}

    // The next copy; the caller may take it. Taken or not, it goes with its batch.
    std::unique_ptr<CDessin>& next(benchmark::State& state) {
        if (m_next == m_batch.size()) {
            state.PauseTiming();
            m_batch.clear();
            for (std::size_t i = 0; i < m_size; ++i)
                m_batch.push_back(m_source.clone());
            m_next = 0;
            state.ResumeTiming();
        }
        return m_batch[m_next++];
    }

private:
    const CDessin& m_source;
    std::size_t m_size;
    std::vector<std::unique_ptr<CDessin>> m_batch;
    std::size_t m_next = 0;
};
