#include <gtest/gtest.h>

#include <string>

#include "app/InstanceMutex.h"

// The same creation results that the simulated Windows gives, from the real mutex.
TEST(InstanceMutex, SecondHolderSeesAlreadyExistsAndLastCloseRemovesIt)
{
    const std::wstring name = L"vexprobe-test-" + std::to_wstring(GetCurrentProcessId());
    {
        SetLastError(0xDEADBEEF);
        CInstanceMutex first(name);
        EXPECT_NE(first.m_hMutex, nullptr);
        EXPECT_EQ(first.m_dwLastError, static_cast<DWORD>(ERROR_SUCCESS));
        {
            CInstanceMutex second(name);
            EXPECT_NE(second.m_hMutex, nullptr);
            EXPECT_NE(second.m_hMutex, first.m_hMutex);
            EXPECT_EQ(second.m_dwLastError, static_cast<DWORD>(ERROR_ALREADY_EXISTS));
        }
    }
    CInstanceMutex again(name);
    EXPECT_EQ(again.m_dwLastError, static_cast<DWORD>(ERROR_SUCCESS));
}
